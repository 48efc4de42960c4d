#pragma once

class QWidget;

// The program's about box, shown from the login window and the main window.
void showAboutBox(QWidget *parent);
