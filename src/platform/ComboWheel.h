#pragma once

class QComboBox;

// The wheel over a closed drop-down list steps it only while it has the focus, and then to the
// neighbour of the entry it shows; a pointer passing over any other list changes no value, and
// the notch goes on to the controls around it. Installed once for the whole program.
void InstallComboWheelRule();

// Whether a notch over the list is the list's own: enabled, focused and closed.
bool ComboTakesWheel(const QComboBox* combo);
