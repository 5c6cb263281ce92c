#pragma once
// Public calls of this subsystem (none yet).
