#pragma once

// The user's own details (name, e-mail address, home page, company) used by
// the inserts and the page wizard.

#include <QString>

namespace tavorin {

// Fills UserName, UserEmailAddress, UserHomePage and UserCompanyName of the
// preference record from "User Information"; an empty name, address or
// company is taken from the older browser settings key; an empty name then
// from the account's full name and then the login name, an empty e-mail
// address from git's global user.email. A stored value is never replaced.
void LoadUserInformation();

// The account's full name: its GECOS field up to the first comma; "" when none.
QString AccountFullName();

// "git config --global user.email" when git is on PATH and answers within
// a few seconds; "" otherwise.
QString GitUserEmail();

// The login name of the user running the program; "" when unknown.
QString LoggedOnUserName();

} // namespace tavorin
