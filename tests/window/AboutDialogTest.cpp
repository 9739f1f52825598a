// "About Orvalde": the content both editions show, and the desktop's dialog.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QTextBrowser>
#include <string>

#include "app/about/About.h"
#include "app/window/AboutDialog.h"
#include "tests/surface/QtTestSupport.h"

namespace orvalde {
namespace {

std::string SourceFile(const char* name) {
    QFile file(QString(ORVALDE_SOURCE_DIR) + "/" + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll().toStdString();
}

QString Qs(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// What the program is distributed with is what it shows: a stale build or a
// lost configure dependency would show an older licence or notices.
TEST(About, ShowsTheRepositorysLicenceAndNotices) {
    const AboutContent& about = About();
    EXPECT_EQ(about.licenceText, SourceFile("LICENSE"));
    EXPECT_EQ(about.notices, SourceFile("THIRD-PARTY.md"));
    EXPECT_EQ(about.copyright, "Copyright (c) 2026 The Orvalde developers");
    EXPECT_EQ(about.licenceName, "MIT");
    EXPECT_EQ(AboutSummary(), "Orvalde " + std::string(about.version) + "\n" + std::string(about.copyright) +
                                  "\nReleased under the MIT licence.\n" + std::string(about.homepage) + "\n");
}

// The page shows the notices as plain text: the Markdown markers that only
// serve the package's build go, the licence text and the headings stay.
TEST(About, PlainNoticesKeepEveryLicenceLineButNoMarkup) {
    const std::string plain = PlainNotices();
    EXPECT_EQ(plain.find("```"), std::string::npos);
    EXPECT_EQ(plain.find("<!--"), std::string::npos);
    EXPECT_NE(plain.find("# Third-party material in Orvalde\n"), std::string::npos);
    EXPECT_NE(plain.find("Bitstream Vera is a trademark of Bitstream, Inc.\n"), std::string::npos);
    EXPECT_NE(plain.find("FONT SOFTWARE.\n\nExcept as contained in this notice"), std::string::npos);
    EXPECT_EQ(plain.size() + 2 * std::string("```\n").size() + std::string("text").size() +
                  std::string("<!-- licence bitstream-vera -->\n").size(),
              About().notices.size());
}

class AboutDialogTest : public surfacetest::WithApp {};

// The version the dialog shows is the one `orvalde --version` prints.
TEST_F(AboutDialogTest, ShowsTheVersionThatTheProgramPrints) {
    QProcess program;
    program.start(ORVALDE_PROGRAM, {"--version"});
    ASSERT_TRUE(program.waitForFinished(10000));
    const QString printed = QString::fromUtf8(program.readAllStandardOutput()).trimmed();
    ASSERT_TRUE(printed.startsWith("orvalde ")) << printed.toStdString();
    const QString version = printed.mid(8);
    EXPECT_EQ(version, ORVALDE_PROJECT_VERSION);

    QPointer<QDialog> dialog = CreateAboutDialog(nullptr);
    EXPECT_EQ(dialog->windowTitle(), "About Orvalde");
    const auto* heading = dialog->findChild<QLabel*>("aboutHeading");
    ASSERT_NE(heading, nullptr);
    EXPECT_TRUE(heading->text().contains("<h2>Orvalde " + version + "</h2>")) << heading->text().toStdString();
    EXPECT_TRUE(heading->text().contains("MIT licence"));
    EXPECT_TRUE(heading->text().contains("href=\"" + Qs(About().homepage) + "\""));
    const auto* notices = dialog->findChild<QTextBrowser*>("aboutNotices");
    ASSERT_NE(notices, nullptr);
    const QString shown = notices->toPlainText();
    EXPECT_TRUE(shown.contains("Permission is hereby granted, free of charge"));
    EXPECT_TRUE(shown.contains("Bitstream Vera is a trademark of Bitstream, Inc."));
    EXPECT_FALSE(shown.contains("<!--"));

    dialog->close();  // deletes itself
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull());
}

}  // namespace
}  // namespace orvalde
