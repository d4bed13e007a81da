// The smallest Emscripten page to compare start-up with: one rectangle on a canvas.
#include <emscripten.h>

EM_JS(void, paint_one_rectangle, (), {
    const canvas = document.getElementById('board');
    const context = canvas.getContext('2d', {alpha : false});
    context.fillStyle = 'rgb(0,192,0)';
    context.fillRect(0, 0, 70, 70);
});

int main() {
    paint_one_rectangle();
    return 0;
}
