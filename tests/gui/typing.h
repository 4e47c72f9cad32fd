// Typing any text as the keyboard does, one key press for each character;
// QTest's own typing knows only ASCII.
#pragma once

#include <QString>
#include <QTest>
#include <QWidget>

inline void Type(QWidget* widget, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A character outside the BMP arrives as one key press of two units.
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(i, length),
                            Qt::NoModifier);
        i += length - 1;
    }
}
