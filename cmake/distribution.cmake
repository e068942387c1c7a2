# Who hands the packages out, and where the project lives: set by whoever builds packages for
# others (for example -DQUORLANE_MAINTAINER="Jane Doe <jane@example.org>"). The defaults name the
# project only: it has no address of its own to give.
set(QUORLANE_MAINTAINER "The Quorlane developers" CACHE STRING
    "Maintainer of the Debian package and manufacturer of the MSI: Name <e-mail>")
set(QUORLANE_HOMEPAGE "" CACHE STRING "Home page of the project (a URL), if it has one")
set(QUORLANE_SCREENSHOT_URL "" CACHE STRING
    "URL of docs/screenshot.png for software centres (AppStream), if it is published")
# The name alone, for the MSI's manufacturer and the notices.
string(REGEX REPLACE " *<.*>$" "" QUORLANE_MAINTAINER_NAME "${QUORLANE_MAINTAINER}")
