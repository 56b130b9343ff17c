// Mouse tracking state of the control (presses, header drags, auto-scroll).
#pragma once

#include "core/control_record.h"

// Ends any mouse tracking in progress: releases the capture, stops the
// auto-scroll timer and restores pressed header buttons.
void CancelTracking(ControlRecord* rec);
void StopAutoScrollTimer(ControlRecord* rec);
