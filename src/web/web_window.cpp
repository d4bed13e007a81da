// The browser front end's C++ side: one Game, input from the page, and painting and the window's
// requests passed to the page's JavaScript (library.js).
#include <emscripten.h>

#include <functional>
#include <numeric>
#include <optional>
#include <string>

#include "game/game.h"

extern "C" {
// Implemented in library.js.
void quandrel_js_fill(int left, int top, int right, int bottom, unsigned bgr);
void quandrel_js_outline(int left, int top, int right, int bottom);
void quandrel_js_begin_area(int left, int top, int right, int bottom);
void quandrel_js_end_area();
void quandrel_js_write_text1(const char* text);
void quandrel_js_open_box(const char* prompt, int flags, const char* title);
void quandrel_js_place(int left, int top, int width, int height);
int quandrel_js_frame_width();
int quandrel_js_frame_height();
void quandrel_js_end_program();
void quandrel_js_name_cell(int index, const char* name);
void quandrel_js_cursor(int index);
void quandrel_js_announce(const char* text);
}

namespace quandrel {
namespace {

class WebWindow : public Window, public Painter {
  public:
    Game game{*this, "\n"};
    double pixelRatio = 1;  // the page's devicePixelRatio

    // Window
    double scale() const override { return pixelRatio; }
    // Paints what changed as one area around it, writes the panel if the game wrote it, and
    // passes the accessibility events to the page's grid and status region.
    void present(const ScreenUpdate& update) override {
        if (!update.repaint.empty()) {
            paint(std::accumulate(update.repaint.begin(), update.repaint.end(),
                                  update.repaint.front(), std::mem_fn(&PixelRect::Joined)));
        }
        if (update.text1) quandrel_js_write_text1(update.text1->c_str());
        for (const AccessEvent& event : update.access) {
            switch (event.kind) {
                case AccessEvent::Kind::Focus: quandrel_js_cursor(event.cell); break;
                case AccessEvent::Kind::Renamed:  // the grid says where the cell is
                    quandrel_js_name_cell(event.cell, game.CellContent(event.cell).c_str());
                    break;
                case AccessEvent::Kind::Speak: quandrel_js_announce(event.text.c_str()); break;
            }
        }
    }

    // Paints one area of the client area, in device pixels, over the window's background.
    void paint(const PixelRect& rect) {
        quandrel_js_begin_area(rect.left, rect.top, rect.right, rect.bottom);
        game.Paint(pixelRatio, rect, *this);
        quandrel_js_end_area();
    }

    // Painter
    void fillRect(PixelRect r, std::uint32_t bgr) override {
        quandrel_js_fill(r.left, r.top, r.right, r.bottom, bgr);
    }
    void outlineRect(PixelRect r) override {
        quandrel_js_outline(r.left, r.top, r.right, r.bottom);
    }

    void openBox(const std::string& prompt, int flags, const std::string& title) override {
        quandrel_js_open_box(prompt.c_str(), flags, title.c_str());
    }
    void setOuterGeometry(int leftTwips, int topTwips, int widthTwips, int heightTwips) override {
        // CSS pixels; grown where the page's frame leaves too little room for the board.
        const PixelRect outer = ToPixels({leftTwips, topTwips, widthTwips, heightTwips}, 1.0);
        const PixelSize size =
            GrownToShowBoard({outer.right - outer.left, outer.bottom - outer.top},
                             {quandrel_js_frame_width(), quandrel_js_frame_height()}, 1.0);
        quandrel_js_place(outer.left, outer.top, size.width, size.height);
    }
    void endProgram() override { quandrel_js_end_program(); }
};

WebWindow* window = nullptr;

}  // namespace
}  // namespace quandrel

using quandrel::window;

extern "C" {

// Starts the game: Form_Load places the window; the page then paints it with quandrel_repaint.
EMSCRIPTEN_KEEPALIVE void quandrel_start(double scale) {
    window = new quandrel::WebWindow;
    window->pixelRatio = scale;
    window->game.Start();
}

// Paints the whole client area again, as after a resize or a change of devicePixelRatio.
EMSCRIPTEN_KEEPALIVE void quandrel_repaint(double scale, int width, int height) {
    window->pixelRatio = scale;
    window->paint({0, 0, width, height});
}

// Bits beyond the three buttons or modifiers are dropped; an unknown action does nothing.
EMSCRIPTEN_KEEPALIVE void quandrel_mouse(int action, int button, int buttons, int shift, double x,
                                         double y, double scale) {
    const auto mouseAction = quandrel::MouseActionNumbered(action);
    if (!mouseAction) return;
    const auto bits = [](int value) { return static_cast<std::int16_t>(value & 7); };
    window->pixelRatio = scale;
    window->game.Mouse({*mouseAction, bits(button), bits(buttons), bits(shift), x, y, scale});
}

// True when the key must not go on to the page (the program is ending).
EMSCRIPTEN_KEEPALIVE int quandrel_key(int text1, int typed, int control) {
    return window->game.Key(text1 ? quandrel::KeyTarget::Text1 : quandrel::KeyTarget::Form, typed,
                            control != 0);
}

// An arrow key on the board (0 left, 1 right, 2 up, 3 down) with its modifier bits; true when
// the game took it. Other numbers do nothing.
EMSCRIPTEN_KEEPALIVE int quandrel_arrow(int arrow, int shift) {
    const auto key = quandrel::ArrowNumbered(arrow);
    return key && window->game.ArrowKey(*key, static_cast<std::int16_t>(shift & 7));
}

EMSCRIPTEN_KEEPALIVE void quandrel_board_focus(int focused) {
    window->game.BoardFocus(focused != 0);
}

EMSCRIPTEN_KEEPALIVE void quandrel_menu(int command) {
    window->game.Menu(quandrel::CommandNumbered(command));
}

EMSCRIPTEN_KEEPALIVE void quandrel_box_closed(int result) { window->game.BoxClosed(result); }

}  // extern "C"
