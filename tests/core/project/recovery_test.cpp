#include "core/project/recovery.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(RecoveryFile, BesideTheProjectNeverOverIt) {
    struct Case {
        std::filesystem::path project, expected;
    };
    const std::vector<Case> cases = {
        {"/obras/linha.vlp", "/obras/linha.recuperacao.vlp"},
        {"/obras/LINHA.VLP", "/obras/LINHA.recuperacao.vlp"},
        {"/obras/sem-extensao", "/obras/sem-extensao.recuperacao.vlp"},
        {"/obras/.vlp", "/obras/projeto.recuperacao.vlp"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(recoveryFile(c.project), c.expected);
        EXPECT_NE(recoveryFile(c.project), c.project);
    }
}

} // namespace
} // namespace velmora
