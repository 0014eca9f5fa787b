#include "tours/PathEditor.h"

#include "model/ElementDescription.h"
#include "model/NumberText.h"
#include "model/Text.h"
#include "tours/TourTexts.h"

namespace tarvel {

namespace {
// The encoding reads the group after the last one, so a step needs its four items and three more.
constexpr int kLastStepItem = kTourItemSlots - 1 - 3 - 4;
} // namespace

PathEditor::PathEditor(bool modify)
    : modify_(modify)
{
}

void PathEditor::startElement(InstructionRecord& current, bool insertMode)
{
    current.family = family::Motors;
    current.subtype = motors::Path;
    if (insertMode)
        current.name = title_;
    else if (!current.name.empty())
        setTitle(current.name); // a new drawing, but the element keeps its title unless retyped
}

Text PathEditor::caption() const
{
    return modify_ ? tourText::modifiedPathCaption : tourText::pathCaption;
}

TwipPoint PathEditor::segmentStart() const
{
    return segmentCount_ == 0 ? TwipPoint{pen_.x + kBeginMarkerSize / 2, pen_.y + kBeginMarkerSize / 2} : pen_;
}

const RubberBand& PathEditor::mouseMove(TwipPoint mouse)
{
    if (!open_)
        return band_;
    const TwipPoint start = segmentStart();
    const SnappedSegment s = snapSegment(start, mouse, heading_);
    band_.start = start;
    band_.end = s.end;
    band_.visible = kDrawingArea.containsStrictly(s.end);
    if (band_.visible)
        timeText_ = segmentTimeText(distanceUnits(start, s.end));
    heading_ = s.heading;
    return band_;
}

bool PathEditor::leftClick(TwipPoint mouse)
{
    if (!kDrawingArea.containsStrictly(mouse) || !open_ || storedMoveCount() >= kMaxSegments)
        return false;
    mouseMove(mouse);
    // A segment whose snapped end leaves the area is not drawn, so it is not committed either.
    if (!band_.visible || !appendStep(distanceUnits(band_.start, band_.end), heading_, 0))
        return false;
    items_[std::size_t(itemCount_ - 1)] = std::int16_t(zoom_);
    // The limit counts the movement steps that will be stored: a long segment split in two counts two.
    if (storedMoveCount() > kMaxSegments) {
        itemCount_ -= 4;
        for (int k = 0; k < 4; ++k)
            items_[std::size_t(itemCount_ + k)] = 0;
        return false;
    }
    drawn_.push_back({band_.start, band_.end, lightOn_});
    pen_ = band_.end;
    ++segmentCount_;
    band_.start = pen_;
    band_.end = pen_;
    band_.visible = false;
    showLimit_ = true;
    return true;
}

bool PathEditor::appendStep(int distance, int heading, int action)
{
    if (itemCount_ > kLastStepItem)
        return false;
    const auto i = std::size_t(itemCount_);
    items_[i] = std::int16_t(distance);
    items_[i + 1] = std::int16_t(heading);
    items_[i + 2] = std::int16_t(action);
    items_[i + 3] = 0;
    itemCount_ += 4;
    return true;
}

bool PathEditor::setLight(bool on)
{
    if (itemCount_ < 4)
        return true; // before the first step the light cannot change
    if (on != lightOn_) {
        if (!appendStep(1, items_[std::size_t(itemCount_ - 3)], on ? 2 : 1))
            return false;
        showLimit_ = true;
    }
    lightOn_ = on;
    return true;
}

void PathEditor::endPath()
{
    band_.visible = false;
    if (open_)
        endMarkerLit_ = lightOn_; // the marker keeps the colour it was ended with
    open_ = false;
}

int PathEditor::storedStepCount() const
{
    return int(storedPath().steps.size());
}

int PathEditor::storedMoveCount() const
{
    int moves = 0;
    for (const PathStep& step : storedPath().steps)
        moves += step.action == StepAction::Move ? 1 : 0;
    return moves;
}

void PathEditor::clear()
{
    items_.fill(0);
    itemCount_ = 0;
    segmentCount_ = 0;
    drawn_.clear();
    pen_ = kBeginPoint;
    lightOn_ = true;
    open_ = true;
    showLimit_ = false;
    band_ = {};
    timeText_ = {};
}

void PathEditor::setTitle(const std::string& title)
{
    title_ = title.substr(0, kTitleLength);
}

void PathEditor::setZoom(int index)
{
    zoom_ = index >= 0 && index <= 2 ? index : 0;
}

std::optional<TwipPoint> PathEditor::endMarker() const
{
    if (open_)
        return std::nullopt;
    return pen_;
}

Text PathEditor::counterText() const
{
    return Text(QT_TRANSLATE_NOOP("core", "Pasos: %1"))
        .arg(signedNumber(storedStepCount()) + (showLimit_ ? "/" + plainNumber(kMaxSegments) : ""));
}

std::string PathEditor::lightText() const
{
    return lightOn_ ? tourText::lightOn : tourText::lightOff;
}

PathData PathEditor::storedPath() const
{
    return {zoom_, splitLongMoves(stepsFromItems(items_, itemCount_), zoom_)};
}

PathAcceptance PathEditor::acceptance() const
{
    if (itemCount_ < 1)
        return PathAcceptance::Close;
    return storedPath().steps.size() > std::size_t(kMaxStoredPathSteps) ? PathAcceptance::AskToTruncate
                                                                         : PathAcceptance::Store;
}

UserMessage PathEditor::tooLongMessage()
{
    return {Text::lines({QT_TRANSLATE_NOOP("core", "El Recorrido es Demasiado Largo para la Memoria de Este Ladrillo!"),
                         QT_TRANSLATE_NOOP("core", "Presione <OK> para que se Guarde Recortado o <Cancelar> para Crear uno Nuevo")}),
            QT_TRANSLATE_NOOP("core", "Error de Recorrido"), MessageIcon::Information};
}

void PathEditor::fillElement(InstructionRecord& current, const ProgramStore& store) const
{
    PathData path = storedPath();
    std::optional<PathStep> extra;
    if (path.steps.size() > std::size_t(kMaxStoredPathSteps)) {
        extra = path.steps[std::size_t(kMaxStoredPathSteps)];
        path.steps.resize(std::size_t(kMaxStoredPathSteps));
    }
    current.family = family::Motors;
    current.subtype = motors::Path;
    current.name = title_;
    current.text = blankText();
    setText(current.text, encodePath(path, extra ? &*extra : nullptr));
    current.arg1 = std::int16_t(path.steps.size());
    describeElement(current, store);
}

} // namespace tarvel
