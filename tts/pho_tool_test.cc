#include "tts/pho_tool.h"

#include <gtest/gtest.h>

#include <sstream>

namespace pavodin {
namespace {

class PhoToolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs_.files["/d/portug.nrl"] = "(C)=k\n#(S)#=z\n(S)=s\n(A)=a\n(O)=o\n(L)=l\n(Á)=a\n";
    fs_.files["/d/portug.exc"] = "";
    fs_.files["/d/portug.abr"] = "";
    fs_.files["/d/portug.pro"] =
        "[DURAÇÃO]\nk=60\na=80\n[CHAVES]\n[PROSÓDIA]\nTABHERTZ=0,1,2,3,4,100,6,7,8,9\n";
    fs_.files["/d/portug.dfn"] = "_-_\n_-k\nk-a\na-z\nz-a\na-_\n_-o\no-l\nl-a\n";
  }

  int Run(std::vector<std::string> args, std::string stdin_text = "") {
    PhoToolIo io;
    io.default_data_dir = "/d";
    io.fs = &fs_;
    io.out = &out_;
    io.err = &err_;
    io.read_stdin = [stdin_text, this] {
      ++stdin_reads_;
      return stdin_text;
    };
    return Run(args, io);
  }
  int Run(const std::vector<std::string>& args, const PhoToolIo& io) { return RunPhoTool(args, io); }

  MemoryFileSystem fs_;
  std::ostringstream out_, err_;
  int stdin_reads_ = 0;
};

TEST_F(PhoToolTest, PrintsPhoLinesForArguments) {
  EXPECT_EQ(Run({"casa"}), 0);
  EXPECT_EQ(out_.str(), ";\n_ 100 50 230\n\n;casa\nk 60 50 230\na 116 80 230\nz 145\n"
                        "a 116 50 230\n\n_ 100 50 230\n");
  EXPECT_EQ(stdin_reads_, 0);
}

TEST_F(PhoToolTest, ReadsStdinLineByLineInEitherEncoding) {
  // "olá" once in UTF-8 and once in Windows-1252 give the same lines: each
  // line is decoded on its own.
  EXPECT_EQ(Run({}, "ol\xC3\xA1\n\n  \nol\xE1\n"), 0);
  EXPECT_EQ(stdin_reads_, 1);
  const std::string one = ";\n_ 100 50 230\n\n;olá\no 100 50 230\nl 100\na 116 80 230\n\n_ 100 50 230\n";
  EXPECT_EQ(out_.str(), one + one);
}

TEST_F(PhoToolTest, StagesAndFactors) {
  EXPECT_EQ(Run({"-s", "--time", "0.5", "-p", "2", "ca"}), 0);
  const std::string out = out_.str();
  EXPECT_NE(out.find("; == NormalizeText\n;  ca\n"), std::string::npos) << out;
  EXPECT_NE(out.find("; == SplitTokens\n;  [--]\n;  [XX]ca\n"), std::string::npos) << out;
  EXPECT_NE(out.find("; == AssignPatterns\n;  555|\n;  555|ca\n"), std::string::npos) << out;
  EXPECT_NE(out.find("; == TranscribeTokens\n;  ;555|\n;  __\n"), std::string::npos) << out;
  EXPECT_NE(out.find("; == BuildPhoLines\n;\n_ 50 50 460\n"), std::string::npos) << out;
  EXPECT_NE(out.find("\nk 30 50 460\na 40\n"), std::string::npos) << out;
}

TEST_F(PhoToolTest, NegativeNumbersAreText) {
  EXPECT_EQ(Run({"-5"}), 0);
  EXPECT_NE(out_.str().find(";menos"), std::string::npos);
}

TEST_F(PhoToolTest, UsageErrors) {
  EXPECT_EQ(Run({"--bogus"}), 2);
  EXPECT_NE(err_.str().find("unknown option --bogus"), std::string::npos);
  EXPECT_EQ(Run({"-p", "zero", "x"}), 2);
  EXPECT_EQ(Run({"-t", "-1", "x"}), 2);
  EXPECT_EQ(Run({"-d"}), 2);
  EXPECT_TRUE(out_.str().empty());
}

TEST_F(PhoToolTest, MissingOrFaultyDataFails) {
  EXPECT_EQ(Run({"-d", "/elsewhere", "casa"}), 1);
  EXPECT_NE(err_.str().find("/elsewhere/portug.nrl"), std::string::npos);
  err_.str("");
  fs_.files["/d/portug.pro"] = "[CHAVES]\n[PROSÓDIA]\n";
  EXPECT_EQ(Run({"casa"}), 1);
  EXPECT_NE(err_.str().find("Duração dos difones errada ou ausente\n"), std::string::npos);
  EXPECT_TRUE(out_.str().empty());
}

TEST_F(PhoToolTest, OtherStem) {
  fs_.files["/d/x.nrl"] = fs_.files["/d/portug.nrl"];
  fs_.files["/d/x.exc"] = "CASA=KAZA\n";
  fs_.files["/d/x.abr"] = "";
  fs_.files["/d/x.pro"] = fs_.files["/d/portug.pro"];
  fs_.files["/d/x.dfn"] = fs_.files["/d/portug.dfn"];
  EXPECT_EQ(Run({"-b", "x", "casa"}), 0);
  EXPECT_NE(out_.str().find(";casa\n_ 50\na 116 80 230\n"), std::string::npos)
      << "KAZA, and K has no rule here";
}

}  // namespace
}  // namespace pavodin
