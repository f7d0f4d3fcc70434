#pragma once

// The text of a printed PDF file as the print tests read it: pdftotext's layout, the pages
// separated by form feeds.

#include <gtest/gtest.h>

#include <QProcess>
#include <QString>

namespace tessla::test {

inline QString pdfText(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    EXPECT_TRUE(pdftotext.waitForFinished(20000)) << path.toStdString();
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

}  // namespace tessla::test
