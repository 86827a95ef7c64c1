// ImgLoad: loading, measuring and clipping the chosen picture and drawing its thumbnail.
#pragma once

#include <string>

#include "wizard/wizard.h"

namespace mipro {

// Largest width and height extracted and drawn.
constexpr int kClipSide = 600;

// Picture files larger than this are not read at all.
constexpr unsigned long long kMaxPictureFileBytes = 256ULL * 1024 * 1024;

// True when the picture was loaded and ImgWidth, ImgHeight, ImgInfoText, ThumbScale, picIMG and
// the thumbnail picIMGCHK(StepNo) were set. On failure the user is told and nothing changes.
Boolean ImgLoad(Wizard& w, const std::string& sImgFileName);

// The size text of lblSTINFO: the short form, or the long one when the picture was clipped.
std::string BuildImgInfoText(float sw, float sh, int clippedWidth, int clippedHeight);

// 1, or kThumbnailSide over the larger side of the clipped area when that exceeds it.
float ComputeThumbScale(int imgWidth, int imgHeight);

}  // namespace mipro
