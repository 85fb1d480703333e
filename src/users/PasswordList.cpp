#include "users/PasswordList.h"

#include "core/App.h"

void LoadPasswordCharacters(App&) {}
