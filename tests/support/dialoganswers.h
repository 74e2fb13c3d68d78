#pragma once

#include "modalanswerer.h"

#include <QString>

// Answers to the program's project browser and to Qt's file dialog, given as a user gives them.
namespace DialogAnswers {

// The project browser: pick the project by name and open it.
ModalAnswerer::Action openProjectNamed(const QString &name);
// The project browser asking for a new project: type the name and accept.
ModalAnswerer::Action createProjectNamed(const QString &name);
// Qt's own file dialog: the user types the file's full path and accepts. Typed, not picked from
// the list: the dialog fills its list in the background, and what it has listed (and selected) so
// far would vary from run to run.
ModalAnswerer::Action chooseFile(const QString &path);

} // namespace DialogAnswers
