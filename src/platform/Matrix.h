#pragma once

namespace platform {

// 4 x 4 floats in row-vector order: a point p is transformed as p * M,
// so in A * B * C the matrix A acts first and a translation goes last.
struct Matrix {
    float m[4][4] = {};

    static Matrix Identity();
    static Matrix Translation(float x, float y, float z);
    static Matrix Scaling(float x, float y, float z);
    static Matrix RotationZ(float radians);

    Matrix operator*(const Matrix& other) const;
    bool operator==(const Matrix& other) const = default;

    // The point (x, y, 0, 1) transformed; w stays 1 for the affine matrices the game builds.
    void TransformPoint(float x, float y, float& outX, float& outY) const;
};

} // namespace platform
