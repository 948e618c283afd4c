// The main window's caption, menu enabling and update-check address.
#include <gtest/gtest.h>

#include "shell/main_caption.h"
#include "shell/main_menu_state.h"
#include "shell/update_check.h"

TEST(MainCaption, ShowsTheProjectFileName) {
  EXPECT_EQ(corvex::MainCaption("NewCorvex.cx6d"), "Corvex 2014.6.7 - NewCorvex.cx6d");
  EXPECT_EQ(corvex::MainCaption("/home/u/jobs/pier12.cx6d"), "Corvex 2014.6.7 - Pier12.cx6d");
  // The dialogs' default extension ".cx6" (any case) is dropped from the first "." on.
  EXPECT_EQ(corvex::ProjectDisplayName("/a/b/pile.v2.CX6"), "Pile");
  EXPECT_EQ(corvex::ProjectDisplayName("/a/b/old.cxd"), "Old.cxd");
}

TEST(MainMenuState, ResultItemsNeedLoadedResultsAndThePlotFile) {
  corvex::MainMenuFacts facts;
  facts.resultsLoaded = true;
  facts.plotFileExists = false;
  EXPECT_FALSE(corvex::ComputeMainMenuState(facts).resultsAvailable);
  facts.plotFileExists = true;
  auto s = corvex::ComputeMainMenuState(facts);
  EXPECT_TRUE(s.resultsAvailable);
  EXPECT_TRUE(s.tipResistanceGraph);
  EXPECT_TRUE(s.qwGraph);
  EXPECT_FALSE(s.extraTzGraph);
}

TEST(MainMenuState, TensionDisablesTipAndQwGraphs) {
  corvex::MainMenuFacts facts;
  facts.resultsLoaded = facts.plotFileExists = true;
  facts.loadingType = 1;
  facts.extraTZ = 1;
  facts.circular = false;
  facts.units = 2;
  auto s = corvex::ComputeMainMenuState(facts);
  EXPECT_TRUE(s.resultsAvailable);
  EXPECT_FALSE(s.tipResistanceGraph);
  EXPECT_FALSE(s.qwGraph);
  EXPECT_TRUE(s.extraTzGraph);
  EXPECT_TRUE(s.extraTzChecked);
  EXPECT_FALSE(s.circularPile);
  EXPECT_TRUE(s.noncircularPile);
  EXPECT_FALSE(s.englishChecked);
  EXPECT_TRUE(s.siChecked);
}

TEST(UpdateCheck, QueryCarriesVersionReleaseAndDate) {
  std::string address = corvex::UpdateCheckAddress(2026, 3, 7);
  EXPECT_NE(address.find("/checkupdates/check/check.php?"), std::string::npos);
  EXPECT_EQ(address.substr(address.find('?') + 1), "Corvex;2014.6.7;09/19/14;03/07/26");
}
