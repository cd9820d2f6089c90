#pragma once

// The user's own details (name, e-mail address, home page, company) used by
// the inserts and the page wizard.

#include <QString>

namespace tavorin {

// Fills UserName, UserEmailAddress, UserHomePage and UserCompanyName of the
// preference record from "User Information"; an empty name, address or
// company is taken from the older browser settings key, and an empty name
// then from the login name of the process's user.
void LoadUserInformation();

// The login name of the user running the program; "" when unknown.
QString LoggedOnUserName();

} // namespace tavorin
