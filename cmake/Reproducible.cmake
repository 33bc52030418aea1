# SPDX-License-Identifier: MIT
# The same sources give the same programs from any build folder: no build path in what is
# compiled. (The package's times are SOURCE_DATE_EPOCH, which dpkg-buildpackage takes from
# debian/changelog.)

# __FILE__ and the debug information name the sources relative to the tree. The build
# folder comes last: GCC tries the last mapping first, and the folder may lie inside the
# source tree.
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
                    -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)
