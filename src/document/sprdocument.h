#pragma once
// Placeholder: the .spr reader and writer arrive with the document work.
