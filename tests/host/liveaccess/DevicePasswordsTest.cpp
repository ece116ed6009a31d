// Typed device passwords where no secret store runs: kept per login for one
// run of the program, and dropped once refused. (With a store, the live-access
// test logs in with a password for real.)
#include "support/MemorySecretStore.h"

#include "host/liveaccess/CDevicePasswords.h"

#include <gtest/gtest.h>

namespace {

using twtest::MemorySecretStore;

TEST(DevicePasswordsTest, WithoutASecretStoreAPasswordLastsOneRunUntilRefused)
{
    MemorySecretStore none;
    none.available = false;
    const SshLogin login{"core-r1", 22, "netops"};
    std::string password;
    {
        CDevicePasswords run(none);
        run.Remember(login, "s3cret");
        ASSERT_TRUE(run.Find(login, password));
        EXPECT_EQ(password, "s3cret");
        EXPECT_FALSE(run.Find(SshLogin{"core-r1", 2222, "netops"}, password));
        run.Forget(login);
        EXPECT_FALSE(run.Find(login, password));
        run.Remember(login, "again");
    }
    EXPECT_TRUE(none.secrets.empty());
    EXPECT_FALSE(CDevicePasswords(none).Find(login, password));
}

} // namespace
