// Mouse tracking of the control: one press at a time, from the button going
// down to its release or a cancel, in the control window or the list window.
//
// trackMode says what the press tracks (kTrack*), pressState which button
// started it (1 left, 2 middle, 3 right). fromControl tells whose client
// coordinates x and y are: the control window's, else the list window's.
#pragma once

#include "core/control_record.h"

enum TrackMode {
    kTrackNone,
    kTrackDropButton,
    kTrackCorner,
    kTrackHeader,
    kTrackResize,
    kTrackMove,
    kTrackRows,
};

// Ends any mouse tracking in progress: releases the capture, stops the
// auto-scroll timer and puts back what the press showed pressed or drew.
// Never reaches the application.
void CancelTracking(ControlRecord* rec);
void StopAutoScrollTimer(ControlRecord* rec);

// A press of button (1 left, 2 middle, 3 right) at (x, y); nothing while
// another press is being tracked. False when the control died meanwhile.
[[nodiscard]] bool StartPress(ControlRecord* rec, bool fromControl, int button, bool doubleClick, int x, int y);
[[nodiscard]] bool TrackMove(ControlRecord* rec, bool fromControl, int x, int y);
[[nodiscard]] bool TrackRelease(ControlRecord* rec, bool fromControl, int x, int y);

// The notification base of the button that started the press (30, 50, 70).
int PressBase(const ControlRecord* rec);
