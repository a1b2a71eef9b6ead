#include "app/Start.h"
#include "support/Menu.h"

using namespace script;

namespace {

class ProgrammaTest : public Wandeling {
  protected:
    void SetUp() override {
        Wandeling::SetUp();
        LeegBosTabellen();
    }
};

TEST_F(ProgrammaTest, NaDeZelftestsLooptHetMenuTotAfsluiten) {
    std::size_t menuGetoond = 0;
    BijTonen([&](const ConsoleModel&) {
        if (TekstOp(3, 2, 9) == "Hoofdmenu") ++menuGetoond;
    });
    ZetScript(Toetsen{Esc, Pijl(Omhoog), Enter});
    EXPECT_EQ(::Programma(), 0);
    EXPECT_EQ(ToetsenOver(), 0u);
    EXPECT_EQ(menuGetoond, 3u);
    VerwachtMenu(3, false);
    EXPECT_EQ(KamerSpellen.size(), 4u);
}

} // namespace
