#pragma once

#include "common/version.h"

#include <QString>

// Texts the whole program shares.
namespace texts {

inline QString programTitle() { return QStringLiteral("Orvo Animal Signs Astrology"); }
inline QString frameCaption() { return QStringLiteral("Orvo Animal Signs Astrology v" ORVO_VERSION); }

inline QString enterYourName() { return QStringLiteral("Please Enter Your Name"); }
inline QString badFebruary() { return QStringLiteral("Please Enter Correct Date Or Month!"); }
inline QString badThirtyFirst() { return QStringLiteral("Please Enter Correct Date Or Month !"); }
inline QString checkTheFile() { return QStringLiteral("Please Check The File."); }
inline QString couldNotSave() { return QStringLiteral("The file could not be saved."); }
inline QString alreadyRunning() { return QStringLiteral("Application is already running"); }

inline QString fullBrandText()
{
    return QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                          "online. Get this software fully branded for your website. Click here for "
                          "more details.");
}

inline QString coBrandText()
{
    return QStringLiteral("Co-brand this software for your site.  Increase loyalty and traffic to your "
                          "site. Put your site's name &  link here. See \"Help\" for details.    Click "
                          "Here for more info on co-branding.");
}

inline QString forumInvitation() { return QStringLiteral("Join our astrology discussion board - share your signs with other readers"); }
inline QString webSiteInvitation() { return QStringLiteral("Visit our web site for more free astrology software"); }

} // namespace texts
