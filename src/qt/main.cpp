#include <QApplication>

#include "qt/frm_quandrel.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    quandrel::frmQuandrel window;
    window.show();
    return app.exec();
}
