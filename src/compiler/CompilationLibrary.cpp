#include "compiler/CompilationLibrary.h"

namespace tarvel {

namespace {
struct KindName {
    OperandKind kind;
    const char* keyword;
    int length;
};
constexpr KindName kKinds[] = {
    {OperandKind::Void, "ARGVOID", 1},
    {OperandKind::TwoBytesVoid, "ARGTWOBYTESVOID", 2},
    {OperandKind::Addr, "ARGADDR", 2},
    {OperandKind::InVarAddrEep, "ARGINVARADDREEP", 2},
    {OperandKind::InVarAddrRam, "ARGINVARADDRRAM", 2},
    {OperandKind::InVar, "ARGINVAR", 1},
    {OperandKind::OutVar, "ARGOUTVAR", 2},
    {OperandKind::TwoVars, "ARGTWOVARS", 2},
    {OperandKind::Bit, "ARGBIT", 2},
    {OperandKind::InCst, "ARGINCST", 1},
    {OperandKind::OutCst, "ARGOUTCST", 2},
    {OperandKind::InVarOutCst, "ARGINVAROUTCST", 2},
    {OperandKind::QuadCst, "ARGQUADCST", 5},
    {OperandKind::InVarAddr, "ARGINVARADDR", 2},
    {OperandKind::SixBitCst, "ARG6BITCST", 2},
    {OperandKind::TwoBytesAddr, "ARGTWOBYTESADDR", 3},
    {OperandKind::TwoVarCst, "ARGTWOVARCST", 3},
    {OperandKind::TwoInVarAddr, "ARGTWOINVARADDR", 3},
    {OperandKind::MTime, "ARGMTIME", 2},
};
} // namespace

bool operandKindFromKeyword(const std::string& upperKeyword, OperandKind& kind)
{
    for (const auto& k : kKinds)
        if (upperKeyword == k.keyword) {
            kind = k.kind;
            return true;
        }
    return false;
}

const char* operandKindKeyword(OperandKind kind)
{
    for (const auto& k : kKinds)
        if (k.kind == kind)
            return k.keyword;
    return "";
}

int operandKindLength(OperandKind kind)
{
    for (const auto& k : kKinds)
        if (k.kind == kind)
            return k.length;
    return 0;
}

void CompilationLibrary::clearElementTables()
{
    templateOffsetTable.clear();
    elementSizeTable.clear();
    helpOffsetTable.clear();
}

} // namespace tarvel
