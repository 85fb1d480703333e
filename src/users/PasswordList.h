#pragma once

class App;

// Loads the table of characters that random list passwords are drawn from.
void LoadPasswordCharacters(App& app);
