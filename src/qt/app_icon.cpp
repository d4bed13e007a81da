#include "qt/app_icon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace quandrel {

QIcon AppIcon() {
    QSvgRenderer renderer(QStringLiteral(":/icons/org.quandrel.quandrel.svg"));
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace quandrel
