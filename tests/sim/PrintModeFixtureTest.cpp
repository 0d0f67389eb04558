// Each printer-model fixture is a supported printer whose sample page goes out the way its
// print mode asks: a metafile job through its driver family's class, or a raw job.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "printer/CPrint.h"
#include "support/MessageBoxRecorder.h"
#include "support/SimMachine.h"
#include "support/SimPrinterModel.h"
#include "testprint/CEmfInternalNT.h"
#include "testprint/CEmfInternalXPS.h"
#include "testprint/CEmfPrint.h"

namespace {

class PrintModeFixtureTest : public ::testing::TestWithParam<SimPrinterModel> {};

TEST_P(PrintModeFixtureTest, SupportedAndPrintsItsSamplePage)
{
    SimMachine machine;
    const SimPrinterModel model = GetParam();
    model.Install(machine);
    MessageBoxRecorder boxes;

    CPrint print;
    print.EnumeratePrinters();
    EXPECT_EQ(print.IsSupported(model.printer), 1);
    const CUtilityInfo info = model.Info();
    EXPECT_EQ(info.driverCatalogPath, model.CatalogPath());
    EXPECT_EQ(info.ccmVersion, model.version);

    const std::string sample = model.TestFile("SampleFile");
    std::unique_ptr<CEmfPrintBase> page;
    if (model.printMode == "EMF") page = std::make_unique<CEmfPrint>();
    if (model.printMode == "EMF_INTERNAL") page = std::make_unique<CEmfInternalNT>();
    if (model.printMode == "EMF_INTERNAL_XPS") page = std::make_unique<CEmfInternalXPS>();
    if (page) {
        page->SetPrinterName(model.printer);
        page->OpenPrinterData();
        page->PrintPage(sample, model.version, CEmfPrintBase::kindSample, nullptr, nullptr, 0);
    } else {
        print.SetPrinterName(model.printer);
        print.SendRawJob(model.version, sample, nullptr, nullptr, 0);
    }
    EXPECT_EQ(boxes.Count(), 0u);
    const auto jobs = machine.Jobs();
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].printer, model.printer);
    if (page) {
        ASSERT_EQ(jobs[0].plays.size(), 1u);
        EXPECT_EQ(jobs[0].plays[0].metafile, sample);
    } else {
        EXPECT_EQ(jobs[0].datatype, "RAW");
        EXPECT_EQ(jobs[0].bytes.substr(jobs[0].bytes.size() - 6), "SAMPLE");
    }
}

INSTANTIATE_TEST_SUITE_P(Models, PrintModeFixtureTest,
                         ::testing::Values(SimPrinterModel::Emf(), SimPrinterModel::EmfInternal(),
                                           SimPrinterModel::EmfInternalXps(), SimPrinterModel::Raw330(),
                                           SimPrinterModel::Raw331()));

}  // namespace
