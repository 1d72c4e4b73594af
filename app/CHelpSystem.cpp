#include "CHelpSystem.h"

// Placeholder until the help pages land.
void CHelpSystem::ShowContents(QWidget*) {}
void CHelpSystem::ShowTopic(QWidget*, int) {}
void CHelpSystem::ShowIndex(QWidget*) {}
void CHelpSystem::ShowForFocus(QWidget*) {}
void CHelpSystem::EnterContextHelpMode(QWidget*) {}
