// Typed device passwords: kept per login (address, port, user) in the secret
// store or for one run, and dropped once refused.
#include "support/MemorySecretStore.h"

#include "host/liveaccess/CDevicePasswords.h"

#include <gtest/gtest.h>

namespace {

using twtest::MemorySecretStore;

TEST(DevicePasswordsTest, TheSecretStoreKeepsEachLoginsOwnPasswordAcrossRuns)
{
    MemorySecretStore store;
    const SshLogin first{"10.0.0.1", 2201, "netops"};
    const SshLogin secondPort{"10.0.0.1", 2202, "netops"};
    const SshLogin otherUser{"10.0.0.1", 2201, "audit"};
    {
        CDevicePasswords run(store);
        run.Remember(first, "s3cret");
    }
    EXPECT_EQ(store.secrets, (std::map<MemorySecretStore::Key, std::string>{{{"10.0.0.1", 2201, "netops"}, "s3cret"}}));

    CDevicePasswords nextRun(store);
    std::string password;
    ASSERT_TRUE(nextRun.Find(first, password));
    EXPECT_EQ(password, "s3cret");
    EXPECT_FALSE(nextRun.Find(secondPort, password));
    EXPECT_FALSE(nextRun.Find(otherUser, password));

    nextRun.Forget(first);
    EXPECT_TRUE(store.secrets.empty());
    EXPECT_FALSE(nextRun.Find(first, password));
}

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
