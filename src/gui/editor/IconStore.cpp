#include "gui/editor/IconStore.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

// The pictures are compiled into the program's static library: register them once.
static void registerIconResources()
{
    Q_INIT_RESOURCE(icons);
}

namespace tarvel {

void IconStore::ensureResources()
{
    static const bool registered = (registerIconResources(), true);
    (void)registered;
}

QString IconStore::resourcePath(const QString& folder, const QString& name)
{
    ensureResources();
    return QStringLiteral(":/icons/%1/%2.svg").arg(folder, name);
}

QIcon IconStore::picture(const QString& folder, const QString& name)
{
    return QIcon(resourcePath(folder, name));
}

QPixmap IconStore::pixmap(const QString& folder, const QString& name, QSize size)
{
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pm(size * ratio);
    pm.setDevicePixelRatio(ratio);
    pm.fill(Qt::transparent);
    QSvgRenderer renderer(resourcePath(folder, name));
    QPainter painter(&pm);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pm;
}

QPixmap IconStore::compose(const std::vector<Layer>& layers) const
{
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pm(QSize(kIconWidth, kIconHeight) * ratio);
    pm.setDevicePixelRatio(ratio);
    pm.fill(Qt::transparent);
    QPainter painter(&pm);
    paintLayers(painter, QRectF(0, 0, kIconWidth, kIconHeight), layers);
    return pm;
}

void IconStore::paintLayers(QPainter& painter, const QRectF& target, const std::vector<Layer>& layers)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(target.topLeft());
    painter.scale(target.width() / kIconWidth, target.height() / kIconHeight);
    const bool card = !(layers.size() == 1 && layers.front().list == LayerList::Especial);
    if (card) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawRoundedRect(QRectF(3, 3, kIconWidth - 6, kIconHeight - 6), 10, 10);
    }
    for (const Layer& layer : layers) {
        QSvgRenderer renderer(resourcePath(layerListName(layer.list), QString::number(layer.entry)));
        if (renderer.isValid()) // an operand outside its table has no picture: the layer is left out
            renderer.render(&painter, QRectF(0, 0, kIconWidth, kIconHeight));
    }
    painter.restore();
}

QPixmap IconStore::ensure(int pictureId, const std::vector<Layer>& layers)
{
    auto key = keys_.find(pictureId);
    if (key == keys_.end() || *key != layers || !buffer_.contains(pictureId)) {
        buffer_.insert(pictureId, compose(layers));
        keys_.insert(pictureId, layers);
    }
    return buffer_.value(pictureId);
}

} // namespace tarvel
