#pragma once

class QComboBox;

// Chooses an item of a combo box the way a user does: opens the list, moves to the item and
// presses Return. The box emits activated() also when the item was already current.
void chooseItem(QComboBox *box, int index);
