#pragma once

namespace corvane::data {

class ModuleData;

// Every receipt and expense carries a number drawn from one counter, the
// number of the last operation written. A number is drawn inside the
// transaction that writes its entry: if the entry is rolled back, so is the
// number, and a number once committed is never handed out again.
int drawOperationNumber(ModuleData &md);

// The number the next drawing will give, without drawing it.
int nextOperationNumber(ModuleData &md);

} // namespace corvane::data
