// What the game's C++ side asks of the page: each call goes to the page object that page.js
// hands to the module as `Module.page`.
mergeInto(LibraryManager.library, {
  quandrel_js_fill: function (left, top, right, bottom, bgr) {
    Module.page.fill(left, top, right, bottom, bgr >>> 0);
  },
  quandrel_js_outline: function (left, top, right, bottom) {
    Module.page.outline(left, top, right, bottom);
  },
  quandrel_js_begin_area: function (left, top, right, bottom) {
    Module.page.beginArea(left, top, right, bottom);
  },
  quandrel_js_end_area: function () {
    Module.page.endArea();
  },
  quandrel_js_write_text1: function (text) {
    Module.page.writeText1(UTF8ToString(text));
  },
  quandrel_js_open_box: function (prompt, flags, title) {
    Module.page.openBox(UTF8ToString(prompt), flags, UTF8ToString(title));
  },
  quandrel_js_place: function (left, top, width, height) {
    Module.page.place(left, top, width, height);
  },
  quandrel_js_frame_width: function () {
    return Module.page.frameWidth();
  },
  quandrel_js_frame_height: function () {
    return Module.page.frameHeight();
  },
  quandrel_js_end_program: function () {
    Module.page.endProgram();
  },
  quandrel_js_name_cell: function (index, name) {
    Module.page.nameCell(index, UTF8ToString(name));
  },
  quandrel_js_cursor: function (index) {
    Module.page.cursor(index);
  },
  quandrel_js_announce: function (text) {
    Module.page.announce(UTF8ToString(text));
  },
});
