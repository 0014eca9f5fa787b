#pragma once
// The console's small plot of the light level over the last 30 seconds.
#include "link/LightHistory.h"

#include <QWidget>
#include <functional>

namespace tarvel {

class LightPlot : public QWidget {
    Q_OBJECT
public:
    LightPlot(const LightHistory& history, std::function<std::int64_t()> nowMs, QWidget* parent);
    QSize sizeHint() const override { return {240, 70}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const LightHistory& history_;
    std::function<std::int64_t()> nowMs_;
};

} // namespace tarvel
