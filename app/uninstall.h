// Uninstall (menu command 1295): after a Yes, the start-up shortcut and the program folder's
// settings go, a batch deletes the program file once the program has ended.
#pragma once

void UninstallProgram();
