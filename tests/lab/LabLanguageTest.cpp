// The laboratory in Greek: sentences with the right plural, numbers with a
// decimal comma in what a pupil reads, and the CSV and the link unchanged.

#include <gtest/gtest.h>

#include <algorithm>

#include "lab/LabScene.h"
#include "lab/LabSession.h"
#include "lab/RaceReport.h"
#include "web/shell/LabJson.h"

namespace orvalde {
namespace {

const Translator kGreek("el");

bool StartsWith(const std::string& text, const std::string& start) { return text.rfind(start, 0) == 0; }

TEST(LabLanguage, SpreadSentencesAgreeWithTheCountInGreek) {
    ASSERT_STREQ(kGreek.code(), "el");
    Race race;
    ASSERT_EQ(race.configure({9.81, 80, 1, 0}, {5, 10, 20, 30, 35, 40}), "");
    EXPECT_EQ(SpreadSentences(race, kGreek),
              (std::vector<std::string>{"κυκλοειδής: έφτασαν 0 από 6 ως τώρα", "κύκλος: έφτασαν 0 από 6 ως τώρα"}));
    // Exactly one arrived on the circle: the singular.
    const auto circleArrived = [&] {
        const auto& bobs = race.bobs(Track::Circle);
        return std::count_if(bobs.begin(), bobs.end(), [](const RaceBob& b) { return b.arrived(); });
    };
    while (circleArrived() == 0) race.advance(0.01);
    ASSERT_EQ(circleArrived(), 1);
    EXPECT_EQ(SpreadSentences(race, kGreek)[1], "κύκλος: έφτασε 1 από 6 ως τώρα");

    race.runUntilArrived();
    const std::vector<std::string> spread = SpreadSentences(race, kGreek);
    EXPECT_TRUE(StartsWith(spread[0], "κυκλοειδής: και τα έξι μέσα σε 0,0000")) << spread[0];
    EXPECT_TRUE(StartsWith(spread[1], "κύκλος: 0,")) << spread[1];
    EXPECT_NE(spread[1].find(" s ανάμεσα στο πρώτο και στο τελευταίο"), std::string::npos) << spread[1];

    Race single;
    ASSERT_EQ(single.configure({9.81, 80, 1, 0}, {12.5}), "");
    single.runUntilArrived();
    EXPECT_TRUE(StartsWith(SpreadSentences(single, kGreek)[0], "κυκλοειδής: το ένα σφαιρίδιο έφτασε μέσα σε 0,"));
    EXPECT_TRUE(StartsWith(SpreadSentences(single)[0], "cycloid: the one bob arrived within 0."));
}

TEST(LabLanguage, GreekTableAndSceneUseTheDecimalCommaWhileTheCsvAndLinkStayC) {
    LabSession s({{9.81, 80, 1, 0}, {12.5, 40}});
    const std::string csv = RaceCsv(s.race());
    const std::string query = SerialiseLabSetup(s.setup());
    s.setLanguage(kGreek);
    s.step();
    while (!s.race().allArrived()) s.step();

    const std::vector<std::string> cells = ArrivalCells(ArrivalRows(s.race())[0], kGreek);
    EXPECT_EQ(cells[0], "κυκλοειδής");
    EXPECT_EQ(cells[2], "12,5");
    EXPECT_EQ(cells[3].size(), 8u);
    EXPECT_EQ(cells[3][1], ',') << cells[3];  // 4,486…
    EXPECT_EQ(ArrivalCells(ArrivalRows(s.race())[2], kGreek)[0], "κύκλος");

    const LabScene scene = BuildLabScene(s);
    auto shows = [&](const std::string& text) {
        return std::any_of(scene.texts.begin(), scene.texts.end(), [&](const SceneText& t) { return t.text == text; });
    };
    EXPECT_TRUE(shows("Κυκλοειδής, νήμα μήκους L"));
    EXPECT_TRUE(shows("L = 80 m, g = 9,81 m/s\u00b2"));
    EXPECT_TRUE(shows("Ενέργεια σφαιριδίου 1 (κυκλοειδής)"));
    EXPECT_TRUE(shows("χάθηκε στην τριβή"));
    EXPECT_TRUE(shows("Διάγραμμα φάσεων (κυκλοειδής)"));
    for (const SceneText& t : scene.texts) EXPECT_EQ(t.text.find('.'), std::string::npos) << t.text;

    // What leaves the program stays in the C locale and in English.
    EXPECT_EQ(RaceCsv(LabSession({{9.81, 80, 1, 0}, {12.5, 40}}).race()), csv);
    EXPECT_NE(RaceCsv(s.race()).find("\ncycloid,1,12.5,4.4"), std::string::npos) << RaceCsv(s.race());
    EXPECT_EQ(SerialiseLabSetup(s.setup()), query);
    const std::string state = LabStateJson(s);
    EXPECT_NE(state.find("\"query\":\"g=9.81&length=80&damping=0&heights=12.5,40\""), std::string::npos) << state;
    EXPECT_NE(state.find("\"gravityText\":\"g = 9,81 m/s\u00b2\""), std::string::npos) << state;
}

TEST(LabLanguage, RefusalsAndTheControlsSpeakTheSessionsLanguage) {
    LabSession s;
    s.setLanguage(kGreek);
    EXPECT_EQ(s.setParameters({9.81, 80, 1, 0.8}),
              "Τριβή 0,8 ανά δευτερόλεπτο είναι πολύ ισχυρή: τα σφαιρίδια θα κατέβαιναν αργά χωρίς να περάσουν "
              "ποτέ από το κατώτατο σημείο. Κρατήστε τη κάτω από 0,7004 ανά δευτερόλεπτο.");
    EXPECT_EQ(s.setHeight(0, 40.5), "Ένα αρχικό ύψος πρέπει να είναι πάνω από 0 m και το πολύ 40 m, όχι 40,5 m.");
    EXPECT_EQ(s.setHeights(std::vector<double>(13, 5)), "Το πολύ 12 σφαιρίδια τρέχουν σε κάθε τροχιά.");
    EXPECT_EQ(RefuseParameters({-1.5, 80, 1, 0}),
              "Gravity must be a number above 0 m/s\u00b2, not -1.5.");  // English unless told otherwise
    const ParsedSetup parsed = ParseLabSetup("g=abc&lang=el", kGreek);
    ASSERT_EQ(parsed.messages.size(), 1u);  // lang is the page's, not the race's
    EXPECT_EQ(parsed.messages[0], "Η τιμή g του συνδέσμου δεν είναι χρήσιμη ('abc')· χρησιμοποιείται η προεπιλεγμένη.");

    const std::string texts = LabTextsJson(kGreek);
    EXPECT_NE(texts.find("\"release\":\"Απελευθέρωση\""), std::string::npos) << texts;
    EXPECT_NE(texts.find("[\"Γη (9,81 m/s\u00b2)\",9.81"), std::string::npos) << texts;
    EXPECT_NE(texts.find("[\"Η διάταξη (10 m/s\u00b2)\",10]"), std::string::npos) << texts;
    EXPECT_NE(LabTextsJson(Translator::english()).find("[\"Jupiter (24.79 m/s\u00b2)\",24.7"), std::string::npos);
}

}  // namespace
}  // namespace orvalde
