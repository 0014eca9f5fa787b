#pragma once
// The codes that name every element: its family, its subtype within the family and the option that
// picks its variant. They are the bytes of the program files and the keys of the compilation
// libraries' tables, so no value may ever change.

namespace tarvel {

// Family codes.
namespace family {
constexpr int Motors = 10;
constexpr int Outputs = 11;
constexpr int Inputs = 12;
constexpr int Waits = 13;
constexpr int Calculations = 14;
constexpr int Decisions = 15;
constexpr int DecisionsInverted = 16;
constexpr int Structure = 17;
constexpr int PathStep = 18;
constexpr int PathStepSteering = 19;
constexpr int LibraryReserved = 26;
constexpr int Separator = 100;
} // namespace family

// Motors.
namespace motors {
constexpr int Forward = 10;
constexpr int Backward = 11;
constexpr int TurnLeft = 12;
constexpr int TurnRight = 13;
constexpr int SpinAnticlockwise = 14;
constexpr int SpinClockwise = 15;
constexpr int Path = 16;
constexpr int Stop = 17;
// Options of Forward, Backward and Stop: the motors they drive.
constexpr int BothMotors = 10;
constexpr int MotorA = 11;
constexpr int MotorB = 12;
// Options of the turns and spins: how the vehicle steers.
constexpr int IndependentMotors = 13;
constexpr int OneMotorSteering = 14;

constexpr bool isTurnOrSpin(int subtype) { return subtype >= TurnLeft && subtype <= SpinClockwise; }
} // namespace motors

// Outputs.
namespace outputs {
constexpr int Lamp = 10;    // the external LED
constexpr int Display = 11; // the display LEDs of the brick
constexpr int Sound = 12;
constexpr int PcMessage = 13; // a message sent to the PC
// Options.
constexpr int FromVariable = 10;
constexpr int FromConstant = 11;
constexpr int SwitchOn = 12;
constexpr int SwitchOff = 13;
constexpr int PlaySequence = 14;
constexpr int SendText = 15;
constexpr int OkSound = 16;
constexpr int ErrorSound = 17;
// A sound's constant is a tone and its sequence a melody.
constexpr int Tone = FromConstant;
constexpr int Melody = PlaySequence;
} // namespace outputs

// Inputs: the sensor read.
namespace inputs {
constexpr int Light = 10;
constexpr int Touch = 11;
constexpr int Remote = 12;
constexpr int Microphone = 13;
constexpr int Pc = 14;
// Options: what is read.
constexpr int CountPulses = 10;
constexpr int ReadIntensity = 11;
constexpr int ReadData = 12;
constexpr int ReadFrequency = 13;
} // namespace inputs

// Waits: the timed ones by their unit, the others by the condition they wait on.
namespace waits {
constexpr int Seconds = 10;
constexpr int Tenths = 11;
constexpr int Light = 12; // the light sensor lit
constexpr int Touch = 13; // the touch sensor pressed
constexpr int Remote = 14;
constexpr int Sound = 15;
constexpr int PcMessage = 16;
constexpr int Hundredths = 17;
constexpr int Thousandths = 18;
// Options of the timed waits: the amount is held in the element or in a variable.
constexpr int ConstantAmount = 10;
constexpr int VariableAmount = 11;
// Options of the waits on a condition.
constexpr int While = 12;
constexpr int Until = 13;

constexpr bool isCondition(int subtype) { return subtype >= Light && subtype <= PcMessage; }
} // namespace waits

// Calculations.
namespace calculations {
constexpr int Add = 10;
constexpr int Subtract = 11;
constexpr int Or = 12;
constexpr int And = 13;
constexpr int Xor = 14;
constexpr int Load = 15;
// Options of the operations: the second operand.
constexpr int ConstantOperand = 11;
constexpr int VariableOperand = 12;
// Options of the load: what is loaded.
constexpr int LoadConstant = 11;
constexpr int LoadVariable = 12;
constexpr int LoadRandom = 13;

constexpr bool isOperation(int subtype) { return subtype >= Add && subtype <= Xor; }
constexpr bool isLogic(int subtype) { return subtype >= Or && subtype <= Xor; }
} // namespace calculations

// Decisions: the same subtypes in both families, DecisionsInverted branching the other way.
namespace decisions {
constexpr int Equal = 10;
constexpr int NotEqual = 11;
constexpr int Greater = 12;
constexpr int Less = 13;
constexpr int GreaterOrEqual = 14;
constexpr int LessOrEqual = 15;
constexpr int Light = 16; // the light sensor lit
constexpr int Touch = 17; // the touch sensor pressed
constexpr int Remote = 18;
constexpr int Sound = 19;
constexpr int LastError = 20; // an error in the last operation
constexpr int Repeat = 21;    // only in the family Decisions
// Options of the comparisons: what the variable is compared with.
constexpr int WithConstant = 10;
constexpr int WithVariable = 11;
// Option of the repeat: the count is held in a variable.
constexpr int CountInVariable = 11;
// The library's two codes of the light decision, whatever the element's own option.
constexpr int FixedThreshold = 10;
constexpr int VariableThreshold = 11;

constexpr bool isComparison(int subtype) { return subtype >= Equal && subtype <= LessOrEqual; }
constexpr bool isCondition(int subtype) { return subtype >= Light && subtype <= LastError; }
} // namespace decisions

// Structure.
namespace structure {
constexpr int ProgramStart = 10;
constexpr int Label = 11;
constexpr int Jump = 12;
constexpr int SubroutineStart = 13;
constexpr int Call = 14;
constexpr int SubroutineEnd = 15;
constexpr int ProgramEnd = 16;
// Options of the program start.
constexpr int StartNormal = 10;
constexpr int StartWithTouch = 11; // the touch sensor enabled
// Options of the program end: what the brick does then.
constexpr int EndSwitchOff = 10;
constexpr int EndReturnToPc = 11;
constexpr int EndRestart = 12;
constexpr int EndLock = 13;
constexpr int EndJumpToStart = 14;
// arg3 of a label that no flow reaches from above.
constexpr int LabelNoFlowAbove = 15;
} // namespace structure

// The compilation library's own keys, in the family LibraryReserved.
namespace library {
constexpr int Templates = 9;    // subtype
constexpr int FixedHeader = 9;  // option: the header written before the first element
constexpr int DefaultCode = 10; // option: written for an element the library has no code for
} // namespace library

} // namespace tarvel
