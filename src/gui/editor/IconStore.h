#pragma once
// Pictures from the SVG resources: icon layers composed into element icons (cached under their
// pictureId, so redraws only copy), and every other picture list of the program.
#include "model/IconComposition.h"

#include <QHash>
#include <QIcon>
#include <QPixmap>

class QPainter;

namespace tarvel {

constexpr int kIconWidth = 80;
constexpr int kIconHeight = 112;

class IconStore {
public:
    // The composed icon of `layers`, on its white card (the empty cell has no card).
    QPixmap compose(const std::vector<Layer>& layers) const;
    // The same drawing into any painter and place (exported pictures and printouts, as vectors).
    static void paintLayers(QPainter& painter, const QRectF& target, const std::vector<Layer>& layers);
    // A picture of another list: resources/icons/<folder>/<name>.svg.
    static QIcon picture(const QString& folder, const QString& name);
    static QPixmap pixmap(const QString& folder, const QString& name, QSize size);
    // A picture whose one caption is drawn by the program instead, in the interface's language.
    static QPixmap pixmapWithCaption(const QString& folder, const QString& name, QSize size, const QString& caption);
    static QString resourcePath(const QString& folder, const QString& name);
    // The picture's SVG with the words it draws translated.
    static QByteArray layerPicture(const QString& folder, const QString& name);
    static void ensureResources();

    // The icon store: one composed picture per pictureId, with the layers it was composed from.
    void store(int pictureId, const QPixmap& icon) { buffer_.insert(pictureId, icon); }
    QPixmap stored(int pictureId) const { return buffer_.value(pictureId); }
    // The picture under `pictureId`, composed again only when it was made from other layers (a
    // modified element reuses its number; undo brings back the element it had before).
    QPixmap ensure(int pictureId, const std::vector<Layer>& layers);
    void clear()
    {
        buffer_.clear();
        keys_.clear();
    }
    int size() const { return int(buffer_.size()); }

private:
    QHash<int, QPixmap> buffer_;
    QHash<int, std::vector<Layer>> keys_;
};

} // namespace tarvel
