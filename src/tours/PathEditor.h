#pragma once
// The path editor's state: segments drawn with the mouse, snapped to eight directions, light steps
// along them, and the path element they make.
#include "model/InstructionRecord.h"
#include "model/UserMessage.h"
#include "tours/PathCodec.h"
#include "tours/PathGeometry.h"
#include "tours/TourItems.h"

#include <optional>
#include <string>
#include <vector>

namespace tarvel {

class ProgramStore;

struct DrawnSegment {
    TwipPoint start;
    TwipPoint end;
    bool lit = true; // drawn with the light on (blue) or off (black)
};

// The segment under the mouse, drawn dotted until it is committed.
struct RubberBand {
    bool visible = false;
    TwipPoint start;
    TwipPoint end;
};

enum class PathAcceptance {
    Close,         // nothing drawn: close without storing
    AskToTruncate, // more steps than fit: ask whether to store the first 16
    Store,
};

class PathEditor {
public:
    static constexpr int kMaxSegments = 20;
    static constexpr int kTitleLength = 8;

    // A fresh drawing. `modify` marks the caption.
    explicit PathEditor(bool modify = false);

    // Presets the element being built: the path codes and, for a new element, the first title.
    void startElement(InstructionRecord& current, bool insertMode);

    Text caption() const;

    // The mouse moved over the drawing area: the snapped segment, its time and its heading.
    const RubberBand& mouseMove(TwipPoint mouse);
    // Left click: commits the segment to the click when the drawing is open, fewer than 20
    // segments exist and both the click and the segment's end lie inside the area.
    bool leftClick(TwipPoint mouse);
    // Whether a right click at `mouse` opens the path options.
    static bool popupAt(TwipPoint mouse) { return kDrawingArea.containsStrictly(mouse); }
    // "Encender Luz" / "Apagar Luz": a light step when the light changes after the first step.
    // False when the work array is full (the light stays as it was).
    bool setLight(bool on);
    // "Terminar Recorrido": no more segments; light steps can still be added.
    void endPath();
    // "Borrar Recorrido".
    void clear();
    void setTitle(const std::string& title); // cut to 8 characters
    void setZoom(int index);
    void leaveArea() { band_.visible = false; }

    const RubberBand& band() const { return band_; }
    const std::vector<DrawnSegment>& segments() const { return drawn_; }
    const TourItems& items() const { return items_; }
    int itemCount() const { return itemCount_; }
    int segmentCount() const { return segmentCount_; }
    int heading() const { return heading_; }
    bool open() const { return open_; }
    bool lightOn() const { return lightOn_; }
    int zoom() const { return zoom_; }
    const std::string& title() const { return title_; }
    TwipPoint pen() const { return pen_; }
    TwipPoint segmentStart() const;
    // Where the end marker sits once the path is ended, and whether it was ended with the light on.
    std::optional<TwipPoint> endMarker() const;
    bool endMarkerLit() const { return endMarkerLit_; }
    // The steps the element will store (a long move split at the zoom counts once per part), and
    // the movement steps among them, which the 20-segment limit counts.
    int storedStepCount() const;
    int storedMoveCount() const;

    Text counterText() const; // "Pasos: " and the stored steps, with "/20" once drawing started
    Text timeText() const { return timeText_; }
    std::string lightText() const;

    // The path as the element will store it (long moves split; not cut to 16 steps).
    PathData storedPath() const;
    PathAcceptance acceptance() const;
    static UserMessage tooLongMessage();
    // Fills the element: codes, title, text bytes (cut to 16 steps when needed), step count and
    // description.
    void fillElement(InstructionRecord& current, const ProgramStore& store) const;

private:
    bool appendStep(int distance, int heading, int action);

    bool modify_ = false;
    TourItems items_{};
    int itemCount_ = 0;
    int segmentCount_ = 0;
    TwipPoint pen_ = kBeginPoint;
    bool lightOn_ = true;
    bool open_ = true;
    bool endMarkerLit_ = true;
    int heading_ = 0;
    int zoom_ = 0;
    bool showLimit_ = false;
    std::string title_ = "Camino 1";
    Text timeText_;
    RubberBand band_;
    std::vector<DrawnSegment> drawn_;
};

} // namespace tarvel
