#pragma once
// Choosing the target of the two program actions: the list-item-selected handler of the action
// box and the open-file dialog it shows.

// The user picked an item of the action box.
void ActionSelected();

// Shows the file dialog modally; true when the user confirmed a file, whose full path then
// becomes the dialog's FileName. A cancel leaves FileName as it was.
bool OpenFileDialog();
