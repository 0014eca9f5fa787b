#pragma once
// A program built the way a user's build runs, expected to come out clean: assembled, without an
// assembler message and with code for every element.
#include "compiler/Compile.h"

#include <gtest/gtest.h>

#include <string>

namespace testsupport {

inline tarvel::CompileResult expectCleanBuild(const tarvel::ProgramStore& store, const tarvel::CompilationLibrary& library)
{
    tarvel::TemplateMemory memory;
    tarvel::CompileResult result = tarvel::compileProgram(store, library, memory);
    const std::string& source = result.translation.source;
    EXPECT_TRUE(result.assembled());
    EXPECT_EQ(result.assemblyOrEmpty().errorsText, "") << source;
    EXPECT_EQ(source.find("No Code"), std::string::npos) << source;
    return result;
}

} // namespace testsupport
