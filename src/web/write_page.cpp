// Writes the page from its template: the window the game describes (caption, menu bar, start-up
// place, the panel's place and font) as plain markup and style, laid out before any script runs,
// and the scripts inline, so that one response holds all but the game's compiled code.
// Usage: write_page TEMPLATE PAGE SCRIPT... (run under Node at build time).
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "game/cells.h"
#include "game/form_layout.h"
#include "game/input.h"
#include "game/text.h"
#include "game/window.h"
#include "game/words.h"

namespace quandrel {
namespace {

// `text` as HTML text or an attribute value.
std::string HtmlEscaped(std::string_view text) {
    std::string html = ReplaceAll(text, "&", "&amp;");
    html = ReplaceAll(html, "<", "&lt;");
    html = ReplaceAll(html, ">", "&gt;");
    return ReplaceAll(html, "\"", "&quot;");
}

// A caption with its access key ("&File") underlined.
std::string CaptionMarkup(std::string_view caption) {
    const std::size_t at = caption.find('&');
    if (at == std::string_view::npos || at + 1 >= caption.size()) return HtmlEscaped(caption);
    return HtmlEscaped(caption.substr(0, at)) + "<u>" + HtmlEscaped(caption.substr(at + 1, 1)) +
           "</u>" + HtmlEscaped(caption.substr(at + 2));
}

std::string Plain(std::string_view caption) { return ReplaceAll(caption, "&", ""); }

std::string MenuItem(const MenuEntry& entry, const std::string& attributes) {
    std::string item =
        "<span role=\"menuitem\" id=\"" + std::string(entry.name) + "\"" + attributes;
    if (entry.command != Command::None) {
        item += " data-command=\"" + std::to_string(static_cast<int>(entry.command)) + "\"";
    }
    return item + ">" + CaptionMarkup(entry.caption) + "</span>";
}

// The ARIA menubar: each bar entry in a holder, with its drop-down menu after it.
std::string MenuBarMarkup() {
    std::string html;
    bool first = true;
    bool menuOpen = false;
    const auto closeHolder = [&] {
        if (menuOpen) html += "</div>";
        if (!first) html += "</div>\n";
        menuOpen = false;
    };
    for (const MenuEntry& entry : kMenus) {
        if (entry.level > 0) {
            html += MenuItem(entry, " tabindex=\"-1\"");
            continue;
        }
        closeHolder();
        html += "<div class=\"bar-item\" role=\"none\">";
        const std::string tabindex = first ? " tabindex=\"0\"" : " tabindex=\"-1\"";
        first = false;
        if (!entry.opensDropDown()) {
            html += MenuItem(entry, tabindex);
            continue;
        }
        html += MenuItem(entry, tabindex + " aria-haspopup=\"menu\" aria-expanded=\"false\"");
        html +=
            "<div role=\"menu\" aria-label=\"" + HtmlEscaped(Plain(entry.caption)) + "\" hidden>";
        menuOpen = true;
    }
    closeHolder();
    return html;
}

std::string Px(int pixels) { return std::to_string(pixels) + "px"; }

// The board for assistive technology and the keyboard: an ARIA grid over the canvas, a cell over
// each drawn square, which the page names with what the cell holds (the grid says where it is).
// The grid is an application's, so that a screen reader leaves the keys to the game, also once
// a box has closed.
std::string GridMarkup() {
    std::string html =
        "<div role=\"application\"><div id=\"grid\" role=\"grid\" tabindex=\"0\" aria-label=\"" +
        HtmlEscaped(kBoardName) + "\">";
    for (int row = 0; row < kRows; ++row) {
        html += "<div role=\"row\">";
        for (int column = 0; column < kColumns; ++column) {
            const int i = column + kColumns * row;
            const PixelRect r = CellRect(i, 1.0);
            html += "<div role=\"gridcell\" id=\"cell" + std::to_string(i) +
                    "\" style=\"left:" + Px(r.left) + ";top:" + Px(r.top) +
                    ";width:" + Px(r.right - r.left) + ";height:" + Px(r.bottom - r.top) +
                    "\"><span></span></div>";
        }
        html += "</div>";
    }
    return html + "</div></div>";
}

// A whole file, or "" when it cannot be read.
std::string ReadFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string PlaceStyle(const char* selector, const TwipRect& twips) {
    const PixelRect r = ToPixels(twips, 1.0);
    return std::string(selector) + " { left: " + Px(r.left) + "; top: " + Px(r.top) +
           "; width: " + Px(r.right - r.left) + "; height: " + Px(r.bottom - r.top) + "; }\n";
}

// The window at its start-up place, and the panel's place and font, in CSS pixels.
std::string WindowStyle() {
    return PlaceStyle("#window", kStartBounds) + PlaceStyle("#grid", kBoardExtent) +
           PlaceStyle("#Text1", kText1Rect) +
           "#Text1 { font: " + std::to_string(kText1Font.weight) + " " +
           std::to_string(kText1Font.points) + "pt \"" + HtmlEscaped(kText1Font.face) +
           "\", sans-serif; }\n";
}

// The numbers the page passes to the game, as the game defines them.
std::string GameNumbers() {
    const auto number = [](const char* name, int value) {
        return std::string("  ") + name + ": " + std::to_string(value) + ",\n";
    };
    return "const GAME = Object.freeze({\n" +
           number("press", static_cast<int>(MouseAction::Press)) +
           number("move", static_cast<int>(MouseAction::Move)) +
           number("release", static_cast<int>(MouseAction::Release)) +
           number("left", ButtonBits(true, false, false)) +
           number("right", ButtonBits(false, true, false)) +
           number("middle", ButtonBits(false, false, true)) +
           number("shift", ShiftBits(true, false, false)) +
           number("ctrl", ShiftBits(false, true, false)) +
           number("alt", ShiftBits(false, false, true)) + number("ok", kOk) +
           number("arrowLeft", static_cast<int>(Arrow::Left)) +
           number("arrowRight", static_cast<int>(Arrow::Right)) +
           number("arrowUp", static_cast<int>(Arrow::Up)) +
           number("arrowDown", static_cast<int>(Arrow::Down)) + "});\n";
}

// The page's scripts, in order, inline: the page is whole with its first response.
std::string InlineScripts(int count, char** files) {
    std::string html = "<script>\n" + GameNumbers() + "</script>\n";
    for (int i = 0; i < count; ++i) {
        const std::string script = ReadFile(files[i]);
        if (script.empty() || script.find("</script") != std::string::npos) return "";
        html += "<script>\n" + script + "</script>\n";
    }
    return html;
}

}  // namespace
}  // namespace quandrel

int main(int argc, char** argv) {
    using namespace quandrel;
    if (argc < 3) {
        std::fprintf(stderr, "usage: write_page TEMPLATE PAGE SCRIPT...\n");
        return 2;
    }
    const std::string page = ReadFile(argv[1]);
    const std::string scripts = InlineScripts(argc - 3, argv + 3);
    if (page.empty() || scripts.empty()) {
        std::fprintf(stderr, "write_page: the template or a script is missing, empty or unsafe\n");
        return 1;
    }
    std::string html = ReplaceAll(page, "@WINDOW_STYLE@", WindowStyle());
    html = ReplaceAll(html, "@CAPTION@", HtmlEscaped(kCaption));
    html = ReplaceAll(html, "@MENUS@", MenuBarMarkup());
    html = ReplaceAll(html, "@BOARD@", GridMarkup());
    html = ReplaceAll(html, "@TEXT1_NAME@", HtmlEscaped(kText1Name));
    html = ReplaceAll(html, "@SCRIPTS@", scripts);
    std::ofstream out(argv[2], std::ios::binary);
    out << html;
    out.close();
    if (!out) {
        std::fprintf(stderr, "write_page: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
