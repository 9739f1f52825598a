#pragma once
// Everything a user can ask of the lesson, by button, key or menu. Each
// command has one row in the action table (lesson/Actions.cpp).

namespace orvalde {

enum class Command {
    // The nine buttons.
    TimeOn,
    TimeOff,
    Evolute,
    CircularStart,
    CircularOn,
    Continue,
    Step,
    CircularOff,
    Both,
    // The lesson's own.
    Pause,
    Measurements,
    Help,
    PaceQuarter,
    PaceRealTime,
    PacePerFrame,
    PaceFast,
    SavePicture,
    SaveMeasurements,
    ContextMenu,
    Legend,
    BoldLines,
    StartAgain,
    FullScreen,
    Language,
    Laboratory,
    About,
};

}  // namespace orvalde
