// The proposal: the bill of materials derived from the plan, its prices, the price list and the bill
// as CSV, and the proposal's keys of the plan file.

#include "plans/plandocument.h"
#include "plans/planjson.h"
#include "plans/planreader.h"
#include "plantext.h"
#include "proposal/bom.h"
#include "proposal/pricelist.h"
#include "proposal/prices.h"
#include "proposal/proposalform.h"
#include "testsession.h"

namespace spindex {
namespace {

using Json = nlohmann::ordered_json;

// Sizes, heights, a local spare, a global spare of its own size, and three unused channels.
Plan larkPlan() {
    test::Session lark(1);
    lark.run("add 10 2 2 72.8; add 1 2 - 36.4 lp; add 0 1 - 9.1; spare 1; global; globalsize 18.2; globalhh");
    return capturePlan(lark.main());
}

// The Lark's items in order, with its spares counted, are in the priced bill's CSV below.
TEST(BillOfMaterials, ItemsSharedAndSparesWithoutASize) {
    // Sets of one size and height share an item, the global spares theirs; entries by first channel.
    test::Session s(6);
    s.run("storage 1 7; untick 3; add 5 4 - 36.4 hh; add 1 2 - 36.4 hh; spare 0; global 2; globalsize 36.4; "
          "globalhh");
    std::vector<std::pair<std::string, std::int64_t>> items;
    for (const BomItem& item : billOfMaterials(capturePlan(s.main())).items)
        items.emplace_back(item.item, item.quantity);
    const std::string second = s.main().cmbStorageSel[1].text();
    EXPECT_EQ(items,
              (std::vector<std::pair<std::string, std::int64_t>>{
                  {"Arvex Osprey", 1}, {"Vault/12 - 12 drives", 2}, {second, 1}, {"36.4 GB half height drive", 9}}));
    EXPECT_NE(second, "Vault/12 - 12 drives");

    // Global spares without a size are not counted.
    Plan plan = larkPlan();
    plan.globalSpares->driveSize.reset();
    EXPECT_EQ(billOfMaterials(plan).items.size(), 5u);
}

TEST(BillOfMaterials, PricesTotalAndCostPerTerabyte) {
    Plan plan = larkPlan();
    plan.proposal.currency = "EUR";
    plan.proposal.prices = {{"Arvex Lark", 1200},
                            {"Vault/12 - 12 drives", 899.99},
                            {"72.8 GB half height drive", 189.5},
                            {"36.4 GB low profile drive", 0.1},
                            {"9.1 GB low profile drive", 0.2},
                            {"Old item", 5}};
    // Each item's price is in the CSV below.
    Bom bom = billOfMaterials(plan);
    EXPECT_EQ(compactJson(bomJson(bom)["total"]),
              R"({"price":2858.49,"complete":false,"usableGB":191.1,"costPerUsableTB":null})");

    plan.proposal.prices["18.2 GB half height drive"] = 100;
    bom = billOfMaterials(plan);
    EXPECT_EQ(compactJson(bomJson(bom)["total"]),
              R"({"price":2958.49,"complete":true,"usableGB":191.1,"costPerUsableTB":15481.3710099424})");
    EXPECT_EQ(bomCsv(bom), "Item,Kind,Quantity,Unit Price,Price\r\n"
                           "Arvex Lark,controller,1,1200.00,1200.00\r\n"
                           "Vault/12 - 12 drives,enclosure,1,899.99,899.99\r\n"
                           "72.8 GB half height drive,drive,4,189.50,758.00\r\n"
                           "36.4 GB low profile drive,drive,3,0.10,0.30\r\n"
                           "9.1 GB low profile drive,drive,1,0.20,0.20\r\n"
                           "18.2 GB half height drive,drive,1,100.00,100.00\r\n"
                           "Total,,,,2958.49\r\n");
}

TEST(Prices, TypedTextAndNumbersFromFiles) {
    const std::pair<const char*, double> good[] = {
        {"189.50", 189.5}, {" 12 ", 12}, {"0", 0}, {".5", 0.5}, {"0.07", 0.07}};
    for (const auto& [text, price] : good)
        EXPECT_EQ(parsePrice(text), price) << text;
    for (const char* bad : {"", " ", ".", "1.234", "-1", "+1", "1e3", "1,5", "12 EUR", "1 000", "1234567890123"})
        EXPECT_EQ(parsePrice(bad), std::nullopt) << bad;
    EXPECT_EQ((std::vector<bool>{isPrice(0.07), isPrice(6200), isPrice(-1), isPrice(0.005)}),
              (std::vector<bool>{true, true, false, false}));
    EXPECT_EQ(moneyText(6200, "EUR"), "6200.00 EUR");
    EXPECT_EQ(moneyText(0.1, ""), "0.10");
}

TEST(PriceList, QuotedFieldsCapitalsAndLineOfTheBadRow) {
    std::string reason;
    const auto prices = readPriceList("\xEF\xBB\xBFITEM,Price,Note\r\n"
                                      "\r\n"
                                      "\"Vault/12, rack\",\"1500\",x\r\n"
                                      "Arvex Osprey,6200.00\n"
                                      "\"36.4 GB \"\"LP\"\" drive\",189.5,\"two\nlines\"\n"
                                      "Unknown,1",
                                      reason);
    ASSERT_TRUE(prices) << reason;
    EXPECT_EQ(*prices,
              (std::map<std::string, double>{
                  {"Arvex Osprey", 6200}, {"Vault/12, rack", 1500}, {"36.4 GB \"LP\" drive", 189.5}, {"Unknown", 1}}));
    const std::pair<const char*, const char*> bad[] = {
        {"Item,Price\n\"two\nlines\",1\nB,-1\n",
         "line 4: \"-1\" is not a number of at least 0, with at most two decimals"},
        {"Name,Cost\nA,1\n", "line 1: the header must begin with the fields item and price"},
        {"item,price\nA\n", "line 2: the row has no price"},
        {"item,price\n\"A,1\n", "line 2: a quoted field is never closed"},
        {"item,price\nA,\xFF\n", "it is not UTF-8 text"},
    };
    for (const auto& [text, why] : bad) {
        EXPECT_FALSE(readPriceList(text, reason)) << text;
        EXPECT_EQ(reason, why);
    }
}

const std::string PlanStart =
    test::planText("Arvex Osprey",
                   R"("channels":[{"used":true,"storage":"Vault/12 - 12 drives"},{"used":false,"storage":""},)"
                   R"({"used":false,"storage":""},{"used":false,"storage":""}])",
                   test::setText("5", 3, 1, "36.4"));

std::string withProposal(const std::string& proposal) {
    return PlanStart.substr(0, PlanStart.size() - 1) + R"(,"proposal":)" + proposal + "}";
}

TEST(PlanProposal, ReadWrittenAndRefused) {
    std::string reason;
    const std::optional<Plan> none = readPlan(PlanStart, reason);
    ASSERT_TRUE(none) << reason;
    EXPECT_EQ(none->proposal, Proposal{});

    const std::optional<Plan> given = readPlan(
        withProposal(R"({"customer":"Nordbank AG","currency":"EUR","prices":{"Arvex Osprey":6200,"Gone":0.5}})"),
        reason);
    ASSERT_TRUE(given) << reason;
    EXPECT_EQ(
        compactJson(planJson(*given)["proposal"]),
        R"({"customer":"Nordbank AG","preparedBy":"","currency":"EUR","prices":{"Arvex Osprey":6200,"Gone":0.5}})");

    const struct {
        std::string proposal, reason;
    } bad[] = {
        {R"({"prices":{"Arvex Osprey":-1}})",
         R"(proposal: "prices": "Arvex Osprey" is -1, not a price of at least 0 with at most two decimals)"},
        {R"({"prices":{"Arvex Osprey":"12"}})",
         R"(proposal: "prices": "Arvex Osprey" is "12", not a price of at least 0 with at most two decimals)"},
        {R"({"prices":[]})", R"(proposal: "prices" is [], not an object of prices by item)"},
        {R"({"customer":7})", R"(proposal: "customer" is 7, not a text)"},
        {R"({"currency":")" + std::string(201, 'x') + "\"}",
         R"(proposal: "currency" is ")" + std::string(39, 'x') + R"(..., not a text of at most 200 characters)"},
        {"[]", R"("proposal" is [], not an object)"},
    };
    for (const auto& row : bad) {
        EXPECT_FALSE(readPlan(withProposal(row.proposal), reason)) << row.proposal;
        EXPECT_EQ(reason, row.reason);
    }
    // 200 characters of two bytes each are within the limit.
    std::string umlauts;
    for (int i = 0; i < 200; ++i)
        umlauts += "\xC3\xBC";
    EXPECT_TRUE(readPlan(withProposal(R"({"customer":")" + umlauts + "\"}"), reason)) << reason;
}

// The window: what a user types and imports lands in the plan, what is refused changes nothing.
TEST(ProposalWindow, TypedImportedRefusedAndKept) {
    test::Session s(6);
    s.run("add 5 12 - 36.4");
    s.main().mnuProposal.userClick();
    ProposalForm& w = *s.program.frmProposal();
    const auto bill = [&] { return compactJson(bomJson(billOfMaterials(capturePlan(s.main())))["items"]); };
    const auto prices = [&] {
        test::Strings texts;
        for (int i = 0; i < 4; ++i)
            texts.push_back(w.txtPrice[i].visible ? w.txtPrice[i].text() : "hidden");
        return texts;
    };

    EXPECT_TRUE(w.txtCustomer.userType("Nordbank AG"));
    EXPECT_TRUE(w.txtPrice[2].userType("189.5"));
    EXPECT_TRUE(w.txtPrice[0].userType(" 6200 "));
    EXPECT_TRUE(w.txtPrice[0].userType("6200.001"));
    EXPECT_TRUE(w.txtCurrency.userType(std::string(201, 'E')));
    EXPECT_EQ(s.take(),
              (test::Strings{"Spindex (icon): A price must be a number of at least 0, with at most two decimals",
                             "Spindex (icon): Currency is too long"}));
    EXPECT_EQ(prices(), (test::Strings{"6200.00", "", "189.50", "hidden"}));
    EXPECT_EQ(w.txtCurrency.text(), "");
    EXPECT_EQ(s.main().PlanProposal.customer, "Nordbank AG");
    EXPECT_TRUE(s.program.planDocument()->modified());

    // A list with items of other plans; then one with a bad row, and one that is missing: nothing changes.
    s.host.files["/p/list.csv"] = "Item,Price\r\nVault/12 - 12 drives,1450\r\nArvex Heron,1\r\n";
    s.host.files["/p/bad.csv"] = "item,price\nVault/12 - 12 drives,2\n36.4 GB low profile drive,abc\n";
    s.host.openAnswers = {"/p/list.csv", "/p/bad.csv", "/p/none.csv"};
    for (int i = 0; i < 3; ++i)
        w.mnuImportPrices.userClick();
    EXPECT_EQ(s.host.openDialogs, test::Strings(3, "CSV Files (*.csv)|*.csv"));
    EXPECT_EQ(s.take(), (test::Strings{"Spindex (critical): Could not read the price list /p/bad.csv: line 3: "
                                       "\"abc\" is not a number of at least 0, with at most two decimals",
                                       "Spindex (critical): Could not read the price list /p/none.csv: the file "
                                       "does not exist"}));
    EXPECT_EQ(bill(),
              R"([{"item":"Arvex Osprey","kind":"controller","quantity":1,"unitPrice":6200,"price":6200},)"
              R"({"item":"Vault/12 - 12 drives","kind":"enclosure","quantity":4,"unitPrice":1450,"price":5800},)"
              R"({"item":"36.4 GB low profile drive","kind":"drive","quantity":12,"unitPrice":189.5,)"
              R"("price":2274}])");

    // Cleared; and the window follows the plan: a set of another size adds a row without a price.
    EXPECT_TRUE(w.txtPrice[2].userType(""));
    s.run("add 1 2 - 18.2");
    s.program.settle();
    EXPECT_EQ(prices(), (test::Strings{"6200.00", "1450.00", "", ""}));

    // A failed save keeps the old file; the plan keeps its proposal through a save and an open.
    s.host.files["/p/bom.csv"] = "old";
    s.host.failingWrites["/p/bom.csv"] = "the disk is full";
    s.host.saveAnswers = {"/p/bom.csv"};
    w.mnuSaveBomCsv.userClick();
    EXPECT_EQ(s.host.files["/p/bom.csv"], "old");
    EXPECT_EQ(s.take(), test::Strings{"Spindex (critical): Could not save the file to /p/bom.csv: the disk is full"});
    s.host.saveAnswers = {"/p/plan.spindex"};
    s.main().mnuSavePlanAs.userClick();
    test::Session other(6);
    other.host.files = s.host.files;
    ASSERT_TRUE(other.program.planDocument()->open("/p/plan.spindex"));
    EXPECT_EQ(other.main().PlanProposal,
              (Proposal{"Nordbank AG", "", "", {{"Arvex Osprey", 6200}, {"Vault/12 - 12 drives", 1450}}}));
}

} // namespace
} // namespace spindex
