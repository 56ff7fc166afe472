// Keeps the test support library non-empty until its first real source lands.
namespace {}
