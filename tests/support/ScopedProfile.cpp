#include "support/ScopedProfile.h"

#include "platform/qt/Profile.h"

namespace twtest {

ScopedProfile::ScopedProfile(const std::string& iniPath)
{
    platform::SetProfileFile(iniPath);
}

ScopedProfile::~ScopedProfile()
{
    platform::SetProfileFile({});
}

} // namespace twtest
