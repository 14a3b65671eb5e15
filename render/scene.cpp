// Scene drawing: transforms, light and subsets of the course and the car.
#include "scene.h"

#include "device.h"
#include "drive.h"

const ViewSettingsData ViewSettings = {
    0.0f, 1.0f, -1.8f,
    0.0f, 0.0f, 0.0f,
    4.6f,
    4.0f,
    -0.2f, -0.8f, 0.0f,
    0.0f, 1.0f, 0.0f,
};

namespace {

constexpr float kCarScale = 0.3f;
constexpr float kPi = 3.1415927f;

// RotationY(y) x RotationX(x) x RotationZ(z): turned about y first.
D3DXMATRIX RotationYXZ(float x, float y, float z) {
    D3DXMATRIX matRotation;
    D3DXMATRIX matRotation2;
    D3DXMatrixIdentity(&matRotation);
    D3DXMatrixRotationY(&matRotation2, y);
    D3DXMatrixMultiply(&matRotation, &matRotation, &matRotation2);
    D3DXMatrixRotationX(&matRotation2, x);
    D3DXMatrixMultiply(&matRotation, &matRotation, &matRotation2);
    D3DXMatrixRotationZ(&matRotation2, z);
    D3DXMatrixMultiply(&matRotation, &matRotation, &matRotation2);
    return matRotation;
}

void SetView(const D3DXVECTOR3& vecUpVec) {
    const ViewSettingsData& v = ViewSettings;
    const D3DXVECTOR3 vecEyePt(v.fCamX, v.fCamY, v.fCamZ);
    const D3DXVECTOR3 vecLookatPt(v.fCamX, v.fCamY - 1.0f, v.fCamZ + 3.0f);
    D3DXMATRIX matHeading, matPitch, matBank, matCameraPosition, matView;
    D3DXMatrixRotationY(&matHeading, v.fCamHeading);
    D3DXMatrixRotationX(&matPitch, v.fCamPitch);
    D3DXMatrixRotationZ(&matBank, v.fCamBank);
    D3DXMatrixLookAtLH(&matCameraPosition, &vecEyePt, &vecLookatPt, &vecUpVec);
    D3DXMatrixIdentity(&matView);
    D3DXMatrixMultiply(&matView, &matView, &matHeading);
    D3DXMatrixMultiply(&matView, &matView, &matPitch);
    D3DXMatrixMultiply(&matView, &matView, &matBank);
    D3DXMatrixMultiply(&matView, &matView, &matCameraPosition);
    pd3dDevice->SetTransform(D3DTS_VIEW, &matView);
}

void SetProjection() {
    D3DXMATRIX matProj;
    D3DXMatrixPerspectiveFovLH(&matProj, kPi / ViewSettings.fFovDiv, 1.0f, 1.0f, 100.0f);
    pd3dDevice->SetTransform(D3DTS_PROJECTION, &matProj);
}

// The directional light 0; course and car differ only in its ambient colour.
void SetLight(float ambient) {
    D3DLIGHT9 light;
    ZeroMemory(&light, sizeof(light));
    light.Type = D3DLIGHT_DIRECTIONAL;
    light.Direction = D3DXVECTOR3(ViewSettings.fLightDirX, ViewSettings.fLightDirY, ViewSettings.fLightDirZ);
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

}  // namespace

void DrawCourse(const MeshModel* model) {
    const DriveStateData& s = DriveState;
    D3DXMATRIX matWorld, matPosition, matScale;
    D3DXMatrixTranslation(&matPosition, s.fPosX, s.fPosY, s.fPosZ);
    const D3DXMATRIX matRotation = RotationYXZ(s.fCrsRotX, s.fCrsRotY, s.fCrsRotZ);
    D3DXMatrixScaling(&matScale, ViewSettings.fCrsScale, ViewSettings.fCrsScale, ViewSettings.fCrsScale);
    D3DXMatrixIdentity(&matWorld);
    D3DXMatrixMultiply(&matWorld, &matWorld, &matPosition);
    D3DXMatrixMultiply(&matWorld, &matWorld, &matRotation);
    D3DXMatrixMultiply(&matWorld, &matWorld, &matScale);
    pd3dDevice->SetTransform(D3DTS_WORLD, &matWorld);
    SetView(D3DXVECTOR3(ViewSettings.fCrsUpX, ViewSettings.fCrsUpY, ViewSettings.fCrsUpZ));
    SetProjection();
    SetLight(0.3f);
    DrawSubsets(model);
}

void DrawCar(const MeshModel* model) {
    const DriveStateData& s = DriveState;
    D3DXMATRIX matWorld, matScale;
    const D3DXMATRIX matRotation = RotationYXZ(s.fCarRotX, s.fCarRotY, s.fCarRotZ);
    D3DXMatrixScaling(&matScale, kCarScale, kCarScale, kCarScale);
    D3DXMatrixIdentity(&matWorld);
    D3DXMatrixMultiply(&matWorld, &matWorld, &matRotation);
    D3DXMatrixMultiply(&matWorld, &matWorld, &matScale);
    pd3dDevice->SetTransform(D3DTS_WORLD, &matWorld);
    SetView(D3DXVECTOR3(0.0f, 1.0f, 0.0f));
    SetProjection();
    SetLight(0.0f);
    DrawSubsets(model);
}
