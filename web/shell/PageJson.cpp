#include "web/shell/PageJson.h"

#include "lesson/Actions.h"
#include "lesson/ButtonLayout.h"
#include "lesson/Lesson.h"
#include "lesson/Spoken.h"
#include "web/shell/PanelJson.h"
#include "web/shell/WebOrvalde.h"

namespace orvalde {
namespace {

std::string Field(const char* name, const std::string& json) { return "\"" + std::string(name) + "\":" + json; }
std::string Field(const char* name, int value) { return Field(name, std::to_string(value)); }
std::string Field(const char* name, bool value) { return Field(name, std::string(value ? "true" : "false")); }

std::string Entries(const std::vector<HelpEntry>& entries) {
    std::string out = "[";
    for (const HelpEntry& e : entries) {
        if (out.size() > 1) out += ',';
        out += "{" + Field("title", JsonString(e.title)) + "," + Field("text", JsonString(e.text)) + "}";
    }
    return out + "]";
}

}  // namespace

std::string ButtonsJson(const Translator& language) {
    constexpr double kCssDpi = 96;
    std::string out = "[";
    for (const ButtonDesign& b : kButtons) {
        const Action* action = ActionForButton(b.number);
        if (out.size() > 1) out += ',';
        out += "{" + Field("number", b.number) + "," + Field("id", JsonString(action ? action->id : "")) + "," +
               Field("caption", JsonString(b.caption)) + "," +
               Field("help", JsonString(action ? ActionHelp(action->command, language) : "")) + "," +
               Field("left", TwipsToPixels(b.left, kCssDpi)) + "," + Field("top", TwipsToPixels(b.top, kCssDpi)) + "," +
               Field("width", TwipsToPixels(b.width, kCssDpi)) + "," +
               Field("height", TwipsToPixels(b.height, kCssDpi)) + "}";
    }
    return out + "]";
}

std::string BarJson(WebOrvalde& program, const Translator& language) {
    const WebScrollBar& bar = program.scrollBar();
    const BarPlacement& p = bar.placement();
    return "{" + Field("min", bar.minimum()) + "," + Field("max", bar.maximum()) + "," + Field("value", bar.value()) +
           "," + Field("large", bar.largeChange()) + "," + Field("left", p.left) + "," + Field("top", p.top) + "," +
           Field("width", p.width) + "," + Field("height", p.height) + "," +
           Field("valueText", JsonString(ReleaseHeightText(program.form().sim(), bar.value(), language))) + "}";
}

std::string MenuJson(const Lesson& lesson, const Translator& language) {
    std::string out = "[";
    for (const MenuEntry& e : lesson.contextMenu(language)) {
        if (out.size() > 1) out += ',';
        out += "{" + Field("id", JsonString(e.id)) + "," + Field("label", JsonString(e.label)) + "," +
               Field("keys", JsonString(e.keys)) + "," + Field("group", static_cast<int>(e.group)) + "," +
               Field("groupTitle", JsonString(e.groupTitle)) + "," + Field("checkable", e.checkable) + "," +
               Field("checked", e.checked) + "}";
    }
    return out + "]";
}

std::string HelpJson(const Translator& language) {
    return "{" + Field("title", JsonString(HelpTitle(language))) + "," +
           Field("buttonsTitle", JsonString(language.tr("The buttons"))) + "," +
           Field("buttons", Entries(HelpButtons(language))) + "," +
           Field("keysTitle", JsonString(language.tr("Keys"))) + "," + Field("keys", Entries(HelpKeys(language))) +
           "," + Field("scrollBar", JsonString(HelpScrollBarText(language))) + "," +
           Field("menu", JsonString(HelpMenuText(language))) + "," + Field("close", JsonString(language.tr("Close"))) +
           "}";
}

}  // namespace orvalde
