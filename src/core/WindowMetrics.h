#pragma once

class App;
class QWidget;

// Centres a window on the screen.
void CenterForm(App& app, QWidget& form);
