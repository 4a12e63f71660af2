#pragma once

class QWidget;

// Opens the candidate dialog for a new candidate (id -1) or an existing one;
// true when the user saved.
bool ArataDialogElev(QWidget *owner, int idElev);
