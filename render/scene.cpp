// Scene drawing: transforms, light and subsets of the course and the car, as view.h places them.
#include "scene.h"

#include "device.h"
#include "drive.h"
#include "view.h"

namespace {

D3DXVECTOR3 Vector(const ViewVector& v) { return D3DXVECTOR3(v.x, v.y, v.z); }

D3DXMATRIX Turn(const ViewVector& turn) {
    D3DXMATRIX matTurn;
    D3DXMATRIX matAxis;
    D3DXMatrixIdentity(&matTurn);
    for (Axis axis : kTurnOrder) {
        const float angle = TurnAbout(axis, turn);
        if (axis == Axis::X) D3DXMatrixRotationX(&matAxis, angle);
        if (axis == Axis::Y) D3DXMatrixRotationY(&matAxis, angle);
        if (axis == Axis::Z) D3DXMatrixRotationZ(&matAxis, angle);
        D3DXMatrixMultiply(&matTurn, &matTurn, &matAxis);
    }
    return matTurn;
}

void SetWorld(const Placement& p) {
    D3DXMATRIX matWorld, matMove, matScale;
    D3DXMatrixTranslation(&matMove, p.move.x, p.move.y, p.move.z);
    const D3DXMATRIX matTurn = Turn(p.turn);
    D3DXMatrixScaling(&matScale, p.scale, p.scale, p.scale);
    D3DXMatrixIdentity(&matWorld);
    D3DXMatrixMultiply(&matWorld, &matWorld, &matMove);
    D3DXMatrixMultiply(&matWorld, &matWorld, &matTurn);
    D3DXMatrixMultiply(&matWorld, &matWorld, &matScale);
    pd3dDevice->SetTransform(D3DTS_WORLD, &matWorld);
}

void SetViewAndProjection() {
    const D3DXVECTOR3 vecEye = Vector(kCameraEye);
    const D3DXVECTOR3 vecTarget = Vector(kCameraTarget);
    const D3DXVECTOR3 vecUp = Vector(kCameraUp);
    D3DXMATRIX matView, matProj;
    D3DXMatrixLookAtLH(&matView, &vecEye, &vecTarget, &vecUp);
    pd3dDevice->SetTransform(D3DTS_VIEW, &matView);
    D3DXMatrixPerspectiveFovLH(&matProj, kFieldOfViewY, kAspectRatio, kNearPlane, kFarPlane);
    pd3dDevice->SetTransform(D3DTS_PROJECTION, &matProj);
}

void SetLight(float ambient) {
    D3DLIGHT9 light;
    ZeroMemory(&light, sizeof(light));
    light.Type = D3DLIGHT_DIRECTIONAL;
    light.Direction = Vector(kLightDirection);
    light.Diffuse = {1.0f, 1.0f, 1.0f, 1.0f};
    light.Specular = {0.0f, 0.0f, 0.0f, 0.0f};
    light.Ambient = {ambient, ambient, ambient, ambient};
    light.Range = 200.0f;
    pd3dDevice->SetLight(0, &light);
    pd3dDevice->LightEnable(0, TRUE);
}

// Subset i with material i and texture i; the count is read again before each pass.
void DrawSubsets(const MeshModel* model) {
    for (DWORD i = 0; i < model->dwNumMaterials; ++i) {
        pd3dDevice->SetMaterial(&model->pMeshMaterials[i]);
        pd3dDevice->SetTexture(0, model->pMeshTextures[i]);
        model->pMesh->DrawSubset(i);
    }
}

void Draw(const MeshModel* model, const Placement& placement, float ambient) {
    SetWorld(placement);
    SetViewAndProjection();
    SetLight(ambient);
    DrawSubsets(model);
}

}  // namespace

void DrawCourse(const MeshModel* model) { Draw(model, CoursePlacement(DriveState), kCourseAmbient); }

void DrawCar(const MeshModel* model) { Draw(model, CarPlacement(DriveState), kCarAmbient); }
