// Writes the page from its template with the window the game describes: caption, menu bar,
// start-up place and the panel's place and font, so that the page shows the whole window as plain
// markup and style, laid out before any script runs.
// Usage: write_page TEMPLATE PAGE (run under Node at build time).
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "game/form_layout.h"
#include "game/traces.h"

namespace quandrel {
namespace {

std::string Escaped(std::string_view text) {
    std::string html = ReplaceAll(text, "&", "&amp;");
    html = ReplaceAll(html, "<", "&lt;");
    html = ReplaceAll(html, ">", "&gt;");
    return ReplaceAll(html, "\"", "&quot;");
}

// A caption with its access key ("&File") underlined.
std::string CaptionMarkup(std::string_view caption) {
    const std::size_t at = caption.find('&');
    if (at == std::string_view::npos || at + 1 >= caption.size()) return Escaped(caption);
    return Escaped(caption.substr(0, at)) + "<u>" + Escaped(caption.substr(at + 1, 1)) + "</u>" +
           Escaped(caption.substr(at + 2));
}

std::string Plain(std::string_view caption) { return ReplaceAll(caption, "&", ""); }

std::string MenuItem(const MenuEntry& entry, const std::string& attributes) {
    std::string item = "<span role=\"menuitem\" id=\"" + std::string(entry.name) + "\"" + attributes;
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
        if (entry.command != Command::None) {
            html += MenuItem(entry, tabindex);
            continue;
        }
        html += MenuItem(entry, tabindex + " aria-haspopup=\"menu\" aria-expanded=\"false\"");
        html += "<div role=\"menu\" aria-label=\"" + Escaped(Plain(entry.caption)) + "\" hidden>";
        menuOpen = true;
    }
    closeHolder();
    return html;
}

std::string Px(int pixels) { return std::to_string(pixels) + "px"; }

std::string PlaceStyle(const char* selector, const TwipRect& twips) {
    const PixelRect r = ToPixels(twips, 1.0);
    return std::string(selector) + " { left: " + Px(r.left) + "; top: " + Px(r.top) +
           "; width: " + Px(r.right - r.left) + "; height: " + Px(r.bottom - r.top) + "; }\n";
}

// The window at its start-up place, and the panel's place and font, in CSS pixels.
std::string WindowStyle() {
    return PlaceStyle("#window", kStartBounds) + PlaceStyle("#Text1", kText1Rect) +
           "#Text1 { font: " + std::to_string(kText1Font.weight) + " " +
           std::to_string(kText1Font.points) + "pt \"" + Escaped(kText1Font.face) +
           "\", sans-serif; }\n";
}

}  // namespace
}  // namespace quandrel

int main(int argc, char** argv) {
    using quandrel::ReplaceAll;
    if (argc != 3) {
        std::fprintf(stderr, "usage: write_page TEMPLATE PAGE\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::string page{std::istreambuf_iterator<char>(in), {}};
    std::string html = ReplaceAll(page, "@WINDOW_STYLE@", quandrel::WindowStyle());
    html = ReplaceAll(html, "@CAPTION@", quandrel::Escaped(quandrel::kCaption));
    html = ReplaceAll(html, "@MENUS@", quandrel::MenuBarMarkup());
    std::ofstream out(argv[2], std::ios::binary);
    out << html;
    out.close();
    if (!in || !out) {
        std::fprintf(stderr, "write_page: cannot read %s or write %s\n", argv[1], argv[2]);
        return 1;
    }
    return 0;
}
