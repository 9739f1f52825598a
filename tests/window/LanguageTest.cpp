// The desktop in Greek: switching at run time re-translates every window at
// once, and a sweep of every visible text finds no English left outside the
// captions.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QMenu>
#include <QDialog>
#include <QHeaderView>
#include <QPointer>
#include <QTableWidget>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <algorithm>
#include <cstdlib>
#include <set>

#include "app/about/About.h"
#include "app/window/AboutDialog.h"
#include "lesson/ButtonLayout.h"
#include "app/window/DesktopLanguage.h"
#include "app/window/LabWindow.h"
#include "app/window/LessonControls.h"
#include "app/window/MeasurementsWindow.h"
#include "app/window/OrvaldeWindow.h"
#include "app/window/ReadableOverlay.h"
#include "app/window/SweepTableView.h"
#include "lab/LabScene.h"
#include "measure/SweepPoint.h"
#include "surface/qt/Application.h"

namespace orvalde {
namespace {

// Places the sweep leaves out while their texts await a translation ("button
// tooltips", "help window", "context menu"); none do.
const std::set<std::string> kLessonTextsAwaitingTranslation = {};

QString Qs(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// Legal texts stay in English whatever the language: the licence with its
// name and copyright line, the third-party notices, and the home page's address. The
// sweep removes exactly these, as the About window shows them, and nothing else.
QString WithoutLegalTextsKeptInEnglish(QString text) {
    const AboutContent& about = About();
    QTextDocument licence, notices;
    licence.setMarkdown("```text\n" + Qs(about.licenceText) + "```\n");
    notices.setMarkdown(Qs(about.notices));
    for (const QString& legal :
         {notices.toPlainText(), licence.toPlainText(), Qs(about.copyright), Qs(about.homepage), Qs(about.licenceName)})
        text.remove(legal);
    return text;
}

// Some sweep of the desktop with a measured start: 39.20 m, 59.3°, periods.
std::vector<SweepPoint> OneSweepStart() {
    SweepPoint p;
    p.start = -120;
    p.release[0].height = p.release[1].height = 39.20340573;
    p.release[1].angle = 1.0352;
    p.meanPeriod = {17.771531752633464, 19.238261, 0};
    p.periods = {2, 2, 0};
    return {p};
}

// A laboratory whose race has finished: every text it can show is shown.
std::unique_ptr<LabWindow> FinishedLaboratory() {
    auto lab = std::make_unique<LabWindow>();
    while (!lab->session().race().allArrived()) lab->session().step();
    lab->refresh();
    return lab;
}

class Language : public ::testing::Test {
protected:
    Language() { EnsureQtApplication(); }
    void SetUp() override {
        window = std::make_unique<OrvaldeWindow>(QSize(1000, 600));
        lesson = std::make_unique<LessonControls>(*window);
        window->start();
        window->button(1)->click();
        window->timer1().setInterval(1000000);
        for (int i = 0; i < 400; ++i) window->timer1().fireForTest();
        lesson->toggleMeasurements();
    }
    void TearDown() override {
        DesktopLanguage::instance().switchTo("en");  // the application is shared with other tests
        lesson.reset();
        window.reset();
    }
    MeasurementsWindow& panel() { return lesson->panel(); }

    std::unique_ptr<OrvaldeWindow> window;
    std::unique_ptr<LessonControls> lesson;
};

TEST_F(Language, SwitchingRetranslatesEveryWindowAtOnceAndBack) {
    ASSERT_EQ(panel().windowTitle(), QString::fromUtf8("ORVALDE \u2014 Measurements"));
    ASSERT_TRUE(panel().readout().text().startsWith("cycloidal: t = 40.0 s"));

    ASSERT_TRUE(DesktopLanguage::instance().switchTo("el"));
    // No event loop in between: everything changed within the call.
    EXPECT_EQ(panel().windowTitle(), QString::fromUtf8("ORVALDE \u2014 Μετρήσεις"));
    EXPECT_EQ(panel().sweepButton().text(), QString::fromUtf8("Μέτρηση από όλα τα αρχικά ύψη"));
    EXPECT_TRUE(panel().readout().text().startsWith(QString::fromUtf8("κυκλοειδές: t = 40,0 s")))
        << panel().readout().text().toStdString();
    EXPECT_EQ(panel().periodView().plot().title, "Περίοδος συναρτήσει του αρχικού ύψους");
    EXPECT_EQ(panel().periodView().plot().decimalSeparator, ",");
    EXPECT_EQ(window->scrollBar()->accessibleName(), QString::fromUtf8("Αρχική θέση"));
    EXPECT_EQ(window->button(2)->accessibleDescription(),
              QString::fromUtf8("Σταματά το κυκλοειδές εκκρεμές εκεί όπου βρίσκεται."));
    // The captions never change.
    EXPECT_EQ(window->button(2)->text(), "TIME  OFF");
    EXPECT_EQ(window->button(2)->accessibleName(), "TIME  OFF");

    ASSERT_TRUE(DesktopLanguage::instance().switchTo("en"));
    EXPECT_EQ(panel().sweepButton().text(), "Measure all release heights");
    EXPECT_EQ(lesson->overlay().legend().accessibleName(), "Key to the drawing");
    EXPECT_TRUE(panel().readout().text().startsWith("cycloidal: t = 40.0 s"));
    EXPECT_EQ(window->scrollBar()->accessibleName(), "Start position");
    EXPECT_FALSE(DesktopLanguage::instance().switchTo("xx"));
    EXPECT_STREQ(DesktopLanguage::current().code(), "en");
}

// The laboratory follows a switch at once: its window, table, sentences,
// numbers and scene, and comes back.
TEST_F(Language, LaboratoryFollowsTheSwitchAtOnce) {
    std::unique_ptr<LabWindow> lab = FinishedLaboratory();
    auto spread = [&] {
        QString all;
        for (QLabel* label : lab->findChildren<QLabel*>()) all += label->text() + "\n";
        return all;
    };
    auto sceneShows = [&](const char* text) {
        const LabScene scene = BuildLabScene(lab->session());
        return std::any_of(scene.texts.begin(), scene.texts.end(), [&](const SceneText& t) { return t.text == text; });
    };
    auto* length = lab->findChildren<QDoubleSpinBox*>().front();
    ASSERT_EQ(lab->windowTitle(), QString::fromUtf8("ORVALDE \u2014 Laboratory"));
    ASSERT_TRUE(spread().contains("cycloid: all six within 0.0"));
    ASSERT_EQ(length->text(), "80.00");

    ASSERT_TRUE(DesktopLanguage::instance().switchTo("el"));
    EXPECT_EQ(lab->windowTitle(), QString::fromUtf8("ORVALDE \u2014 Εργαστήριο"));
    EXPECT_EQ(lab->arrivals()->horizontalHeaderItem(0)->text(), QString::fromUtf8("τροχιά"));
    EXPECT_EQ(lab->arrivals()->horizontalHeaderItem(3)->text(), QString::fromUtf8("άφιξη"));
    EXPECT_EQ(lab->arrivals()->item(0, 0)->text(), QString::fromUtf8("κυκλοειδής"));
    EXPECT_TRUE(lab->arrivals()->item(0, 3)->text().contains(QRegularExpression("^\\d+,\\d{6}$")))
        << lab->arrivals()->item(0, 3)->text().toStdString();
    EXPECT_TRUE(spread().contains(QString::fromUtf8("κυκλοειδής: και τα έξι μέσα σε 0,0"))) << spread().toStdString();
    EXPECT_TRUE(spread().contains(QString::fromUtf8(" s ανάμεσα στο πρώτο και στο τελευταίο")));
    EXPECT_TRUE(spread().contains(QString::fromUtf8("g = 9,81 m/s\u00b2")));
    EXPECT_EQ(length->text(), "80,00");
    EXPECT_TRUE(sceneShows("Ενέργεια σφαιριδίου 1 (κυκλοειδής)"));
    EXPECT_TRUE(sceneShows("Κύκλος ακτίνας L"));
    EXPECT_EQ(lab->findChildren<QComboBox*>()[1]->itemText(0), QString::fromUtf8("Γη (9,81 m/s\u00b2)"));
    if (const char* out = std::getenv("ORVALDE_LAB_GREEK_PNG")) lab->grab().save(out);

    ASSERT_TRUE(DesktopLanguage::instance().switchTo("en"));
    EXPECT_EQ(lab->windowTitle(), QString::fromUtf8("ORVALDE \u2014 Laboratory"));
    EXPECT_EQ(lab->arrivals()->item(0, 0)->text(), "cycloid");
    EXPECT_TRUE(spread().contains("cycloid: all six within 0.0"));
    EXPECT_EQ(length->text(), "80.00");
    EXPECT_TRUE(sceneShows("Energy of bob 1 (cycloid)"));
}

// The lesson's own texts follow a switch at once, the help window and a menu
// already open among them, and come back; the captions stay.
TEST_F(Language, LessonTextsFollowTheSwitchAndComeBack) {
    lesson->showHelp();
    std::unique_ptr<QMenu> menu(lesson->createContextMenu(window.get()));
    auto helpText = [&] { return lesson->helpWindow()->findChild<QLabel*>("helpText")->text(); };
    auto menuTexts = [&] {
        QStringList texts;
        for (QAction* a : menu->actions()) texts << a->text();
        return texts.join('|');
    };
    const QString englishMenu = menuTexts();
    ASSERT_TRUE(englishMenu.contains("Help\tF1")) << englishMenu.toStdString();
    ASSERT_TRUE(window->button(1)->toolTip().startsWith("Releases the cycloidal pendulum"));

    ASSERT_TRUE(DesktopLanguage::instance().switchTo("el"));
    EXPECT_TRUE(window->button(1)->toolTip().startsWith(QString::fromUtf8("Αφήνει ελεύθερο το κυκλοειδές εκκρεμές")));
    EXPECT_EQ(lesson->helpWindow()->windowTitle(), QString::fromUtf8("ORVALDE — Βοήθεια"));
    EXPECT_TRUE(helpText().contains(QString::fromUtf8("Τα κουμπιά"))) << helpText().toStdString();
    EXPECT_TRUE(helpText().contains("TIMEOFF KYKLIKO")) << "captions stay in the help";
    EXPECT_TRUE(menuTexts().contains(QString::fromUtf8("Βοήθεια\tF1"))) << menuTexts().toStdString();
    EXPECT_EQ(menu->accessibleName(), QString::fromUtf8("Μενού"));
    EXPECT_EQ(window->accessibleName(), QString::fromUtf8("Κυκλοειδές και κυκλικό εκκρεμές"));
    EXPECT_TRUE(window->accessibleDescription().contains(QString::fromUtf8("Κυκλοειδές εκκρεμές σε αιώρηση")))
        << window->accessibleDescription().toStdString();
    EXPECT_TRUE(window->scrollBar()->accessibleDescription().contains(
        QRegularExpression(QString::fromUtf8("^\\d+,\\d m πάνω από το κατώτατο σημείο$"))))
        << window->scrollBar()->accessibleDescription().toStdString();

    // Saving's failures are told in Greek too.
    QStringList reported;
    lesson->report = [&](const QString& message) { reported << message; };
    EXPECT_FALSE(lesson->savePicture("/no/such/folder/picture.png"));
    EXPECT_FALSE(lesson->saveMeasurements("/no/such/folder/m.csv"));
    ASSERT_EQ(reported.size(), 2);
    for (const QString& message : reported) {
        EXPECT_TRUE(message.startsWith(QString::fromUtf8("Δεν ήταν δυνατή η αποθήκευση"))) << message.toStdString();
    }

    ASSERT_TRUE(DesktopLanguage::instance().switchTo("en"));
    EXPECT_TRUE(window->button(1)->toolTip().startsWith("Releases the cycloidal pendulum"));
    EXPECT_EQ(menuTexts(), englishMenu);
    EXPECT_EQ(lesson->helpWindow()->windowTitle(), "ORVALDE — Help");
    EXPECT_TRUE(window->scrollBar()->accessibleDescription().endsWith(" m above the lowest point"));
}

// The key, the status line, the sweep table and About follow a switch at
// once, numbers with the language's decimal comma, and come back.
TEST_F(Language, ReadableScreenAndAboutFollowTheSwitch) {
    SweepTableView table(nullptr);  // the panel's would show the panel's own sweep again
    table.showSweep(OneSweepStart());
    QPointer<QDialog> about = CreateAboutDialog(window.get());
    ReadableOverlay& overlay = lesson->overlay();
    overlay.showStatus(ReadableOverlay::steadySeconds());
    const QString english = overlay.status().text();
    ASSERT_TRUE(english.startsWith("cycloidal and exact circular: t = 40.0 s, 6\u00d7")) << english.toStdString();

    ASSERT_TRUE(DesktopLanguage::instance().switchTo("el"));
    const QString status = overlay.status().text();
    ASSERT_TRUE(about);
    EXPECT_TRUE(status.startsWith(QString::fromUtf8("κυκλοειδές και ακριβές κυκλικό: t = 40,0 s, 6\u00d7")))
        << status.toStdString();
    EXPECT_TRUE(status.contains(QString::fromUtf8("L = 80 m, g = 10 m/s\u00b2"))) << status.toStdString();
    EXPECT_TRUE(status.contains(QRegularExpression(QString::fromUtf8("αρχικό ύψος \\d+,\\d\\d m .* γωνία \\d+,\\d°"))))
        << status.toStdString();
    EXPECT_EQ(overlay.legend().accessibleName(), QString::fromUtf8("Υπόμνημα του σχήματος"));
    EXPECT_TRUE(overlay.legend().accessibleDescription().startsWith(QString::fromUtf8("ταχύτητα, συνισταμένη δύναμη")));
    ASSERT_EQ(table.rowCount(), 1);
    EXPECT_EQ(table.horizontalHeaderItem(0)->text(), QString::fromUtf8("αρχικό\nύψος\n(m)"));  // a word a line
    EXPECT_EQ(table.item(0, 0)->text(), "39,20");
    EXPECT_EQ(table.item(0, 4)->text(), "+8,25");
    EXPECT_EQ(about->windowTitle(), QString::fromUtf8("Σχετικά με το Orvalde"));
    EXPECT_TRUE(
        about->findChild<QLabel*>("aboutHeading")->text().contains(QString::fromUtf8("Διατίθεται με την άδεια MIT.")));
    EXPECT_TRUE(
        about->findChild<QTextBrowser*>("aboutNotices")->toPlainText().startsWith(QString::fromUtf8("Άδεια χρήσης")));

    ASSERT_TRUE(DesktopLanguage::instance().switchTo("en"));
    EXPECT_EQ(overlay.status().text(), english);
    EXPECT_EQ(table.item(0, 0)->text(), "39.20");
    EXPECT_EQ(about->windowTitle(), "About Orvalde");
    delete about;
}

TEST_F(Language, GreekLeavesNoEnglishWordOutsideTheCaptions) {
    lesson->showHelp();
    std::unique_ptr<QMenu> menu(lesson->createContextMenu(window.get()));
    QPointer<QDialog> about = CreateAboutDialog(window.get());
    std::unique_ptr<LabWindow> lab = FinishedLaboratory();
    ASSERT_TRUE(DesktopLanguage::instance().switchTo("el"));

    // Names, and the units, which stay as they are in every language.
    std::set<QString> allowed{"ORVALDE", "Orvalde", "kg"};
    for (const ButtonDesign& b : kButtons) {
        for (const QString& word : QString::fromUtf8(b.caption).split(' ', Qt::SkipEmptyParts)) allowed.insert(word);
    }
    auto skipped = [](const char* place) { return kLessonTextsAwaitingTranslation.count(place) > 0; };
    std::vector<std::pair<QString, QString>> texts;  // where, what
    auto add = [&](const QString& where, const QString& text) { texts.emplace_back(where, text); };
    std::vector<QWidget*> windows{window.get(), &panel(), about.data(), lab.get()};
    if (!skipped("help window")) windows.push_back(lesson->helpWindow());
    for (QWidget* top : windows) {
        std::vector<QWidget*> widgets{top};
        for (QWidget* child : top->findChildren<QWidget*>()) widgets.push_back(child);
        for (QWidget* w : widgets) {
            const QString where = QString(w->metaObject()->className()) + " " + w->objectName();
            add(where + " title", w->windowTitle());
            add(where + " accessible name", w->accessibleName());
            add(where + " accessible description", w->accessibleDescription());
            const bool commandButton = w->parentWidget() == window.get() && qobject_cast<QAbstractButton*>(w);
            if (!(commandButton && skipped("button tooltips"))) add(where + " tooltip", w->toolTip());
            if (auto* label = qobject_cast<QLabel*>(w)) {
                const QString text = label->textFormat() == Qt::RichText || Qt::mightBeRichText(label->text())
                                         ? QTextDocumentFragment::fromHtml(label->text()).toPlainText()
                                         : label->text();
                add(where + " text", WithoutLegalTextsKeptInEnglish(text));
            }
            if (auto* browser = qobject_cast<QTextBrowser*>(w))
                add(where + " text", WithoutLegalTextsKeptInEnglish(browser->toPlainText()));
            if (auto* table = qobject_cast<QTableWidget*>(w)) {
                for (int c = 0; c < table->columnCount(); ++c)
                    add(where + " heading", table->horizontalHeaderItem(c)->text());
            }
            if (auto* button = qobject_cast<QAbstractButton*>(w)) add(where + " text", button->text());
            if (auto* box = qobject_cast<QComboBox*>(w)) {
                for (int i = 0; i < box->count(); ++i) add(where + " item", box->itemText(i));
            }
            if (auto* spin = qobject_cast<QDoubleSpinBox*>(w)) add(where + " number", spin->text());
        }
    }
    if (!skipped("context menu")) {
        for (QAction* a : menu->actions()) add("menu", a->text());
    }
    for (const PlotModel* plot : {&panel().periodView().plot(), &panel().displacementView().plot()}) {
        add("plot title", QString::fromStdString(plot->title));
        add("plot axis", QString::fromStdString(plot->x.label));
        add("plot axis", QString::fromStdString(plot->y.label));
        for (const PlotSeries& s : plot->series) add("plot legend", QString::fromStdString(s.name));
    }

    for (const SceneText& t : BuildLabScene(lab->session()).texts)
        add("laboratory scene", QString::fromStdString(t.text));

    static const QRegularExpression latinWord("[A-Za-z]{2,}");
    int greek = 0;
    for (const auto& [where, text] : texts) {
        if (text.contains(QRegularExpression("[\u0370-\u03ff]"))) ++greek;
        for (auto match = latinWord.globalMatch(text); match.hasNext();) {
            const QString word = match.next().captured();
            EXPECT_TRUE(allowed.count(word))
                << "English \"" << word.toStdString() << "\" in " << where.toStdString() << ": " << text.toStdString();
        }
    }
    EXPECT_GT(greek, 20) << "the sweep saw the texts";
    const auto inLaboratory = std::count_if(texts.begin(), texts.end(), [](const auto& t) {
        return t.first.startsWith("laboratory") || t.first.startsWith("orvalde::LabWindow");
    });
    EXPECT_GT(inLaboratory, 40) << "the sweep saw the laboratory";
    delete about;
}

}  // namespace
}  // namespace orvalde
