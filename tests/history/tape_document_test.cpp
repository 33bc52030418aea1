// SPDX-License-Identifier: MIT
#include "history/tape_document.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <cmath>

namespace vimbo {
namespace {

// Lines break where the tape's do; an expression, having no spaces, breaks anywhere.
TEST(TapeDocument, BreaksAsTheTapeDoesAndWrapsAnywhere) {
    QImage page(8, 8, QImage::Format_RGB32);  // 72 dpi, standing in for the printer
    const QFont font(QStringLiteral("DejaVu Sans"));
    const auto lines = [&](const QString& text, qreal width) {
        return TapeDocument(text, font, page, width).lineCount();
    };
    EXPECT_EQ(lines("\r25 GT\r\n*\r\n", 500), 3) << "CR LF and a lone CR, none after the last";
    EXPECT_EQ(lines(QStringLiteral("a\nb") + QChar::ParagraphSeparator + "c", 500), 3);
    const double digits = std::floor(72 / QFontMetricsF(font, &page).horizontalAdvance(u'7'));
    EXPECT_EQ(lines(QString(400, u'7'), 72), std::ceil(400 / digits));
}

}  // namespace
}  // namespace vimbo
