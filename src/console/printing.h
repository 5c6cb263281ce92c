#pragma once
// Text output and line input.
