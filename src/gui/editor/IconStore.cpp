#include "gui/editor/IconStore.h"

#include <QFile>
#include <QFontMetricsF>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <cmath>

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

QByteArray IconStore::layerPicture(const QString& folder, const QString& name)
{
    // The words drawn in a picture (a decision's "SI" and "NO") in the interface's language; read
    // once per picture.
    static QHash<QString, QByteArray> pictures;
    const QString path = resourcePath(folder, name);
    if (auto it = pictures.constFind(path); it != pictures.constEnd())
        return *it;
    QFile file(path);
    QString svg = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    for (const char* word : {QT_TRANSLATE_NOOP("tarvel::IconStore", "SI"), QT_TRANSLATE_NOOP("tarvel::IconStore", "NO")}) {
        const QString shown = QCoreApplication::translate("tarvel::IconStore", word).toHtmlEscaped();
        svg.replace(QStringLiteral(">%1</text>").arg(word), QStringLiteral(">%1</text>").arg(shown));
    }
    return *pictures.insert(path, svg.toUtf8());
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

QPixmap IconStore::pixmapWithCaption(const QString& folder, const QString& name, QSize size, const QString& caption)
{
    QFile file(resourcePath(folder, name));
    QByteArray svg = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    // The caption's place, size and colour as the picture has them.
    QPointF at(size.width() / 2.0, size.height() * 0.7);
    qreal fontSize = 15;
    QColor colour(0x39, 0x49, 0xAB);
    static const QRegularExpression text(
        R"re(<text x="([0-9.]+)" y="([0-9.]+)"[^>]*font-size="([0-9.]+)"[^>]*fill="(#[0-9A-Fa-f]{6})"[^>]*>[^<]*</text>)re");
    QSvgRenderer probe(svg);
    const QSizeF box = probe.isValid() ? probe.viewBoxF().size() : QSizeF(size);
    const QString source = QString::fromUtf8(svg);
    if (const auto m = text.match(source); m.hasMatch()) {
        const double sx = size.width() / box.width(), sy = size.height() / box.height();
        at = {m.captured(1).toDouble() * sx, m.captured(2).toDouble() * sy};
        fontSize = m.captured(3).toDouble() * sy;
        colour = QColor(m.captured(4));
        svg = QString(source).remove(m.capturedStart(), m.capturedLength()).toUtf8();
    }
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pm(size * ratio);
    pm.setDevicePixelRatio(ratio);
    pm.fill(Qt::transparent);
    QPainter painter(&pm);
    painter.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer(svg).render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(int(std::lround(fontSize)));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(colour);
    const QFontMetricsF metrics(font);
    painter.drawText(QPointF(at.x() - metrics.horizontalAdvance(caption) / 2, at.y()), caption);
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
        QSvgRenderer renderer(layerPicture(layerListName(layer.list), QString::number(layer.entry)));
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
