// Mesh models: loading a mesh, its materials and their textures, and releasing them.
#include "mesh_model.h"

#include <new>

#include "device.h"
#include "message_box.h"
#include "messages.h"

MeshModel models[2] = {};

namespace {

// Frees the two arrays after releasing every texture they hold.
void FreeMaterialArrays(MeshModel* model) {
    if (model->pMeshTextures != nullptr) {
        for (DWORD i = 0; i < model->dwNumMaterials; ++i) {
            if (model->pMeshTextures[i] != nullptr) {
                model->pMeshTextures[i]->Release();
                model->pMeshTextures[i] = nullptr;
            }
        }
    }
    delete[] model->pMeshTextures;
    model->pMeshTextures = nullptr;
    delete[] model->pMeshMaterials;
    model->pMeshMaterials = nullptr;
    model->dwNumMaterials = 0;
}

void ReleaseMesh(MeshModel* model) {
    if (model->pMesh != nullptr) {
        model->pMesh->Release();
        model->pMesh = nullptr;
    }
}

// A load that fails leaves the model as it was before: empty.
HRESULT FailLoad(MeshModel* model, const char* filename) {
    FreeMaterialArrays(model);
    ReleaseMesh(model);
    ShowMessage(kMsgXFileFailed, filename);
    return E_FAIL;
}

// Material i with the file's ambient colour replaced by its diffuse one, and
// its texture (null when it names none or the texture does not load).
void LoadMaterial(MeshModel* model, const D3DXMATERIAL& source, DWORD i) {
    model->pMeshMaterials[i] = source.MatD3D;
    model->pMeshMaterials[i].Ambient = model->pMeshMaterials[i].Diffuse;
    model->pMeshTextures[i] = nullptr;
    const char* name = source.pTextureFilename;
    if (name == nullptr || lstrlenA(name) <= 0) return;
    if (FAILED(D3DXCreateTextureFromFileA(pd3dDevice, name, &model->pMeshTextures[i]))) {
        model->pMeshTextures[i] = nullptr;
        ShowMessage(kMsgTextureFailed, nullptr);
    }
}

// Both arrays, then every material and its texture. Fails only when an
// array cannot be allocated.
bool CopyMaterials(MeshModel* model, ID3DXBuffer* pD3DXMtrlBuffer) {
    const DWORD count = model->dwNumMaterials;
    model->pMeshMaterials = new (std::nothrow) D3DMATERIAL9[count]();
    model->pMeshTextures = new (std::nothrow) IDirect3DTexture9*[count]();
    if (model->pMeshMaterials == nullptr || model->pMeshTextures == nullptr) return false;
    if (count == 0 || pD3DXMtrlBuffer == nullptr) return true;
    const auto* source = static_cast<const D3DXMATERIAL*>(pD3DXMtrlBuffer->GetBufferPointer());
    for (DWORD i = 0; i < count; ++i) LoadMaterial(model, source[i], i);
    return true;
}

}  // namespace

HRESULT LoadXFile(MeshModel* model, const char* filename, D3DXVECTOR3 position) {
    model->vecPosition = position;
    ID3DXBuffer* pD3DXMtrlBuffer = nullptr;
    if (FAILED(D3DXLoadMeshFromXA(filename, D3DXMESH_SYSTEMMEM, pd3dDevice, nullptr, &pD3DXMtrlBuffer, nullptr,
                                  &model->dwNumMaterials, &model->pMesh))) {
        model->dwNumMaterials = 0;
        model->pMesh = nullptr;
        return FailLoad(model, filename);
    }
    const bool copied = CopyMaterials(model, pD3DXMtrlBuffer);
    // The texture names live in the buffer: it goes only after the textures are made.
    if (pD3DXMtrlBuffer != nullptr) pD3DXMtrlBuffer->Release();
    return copied ? S_OK : FailLoad(model, filename);
}

void ReleaseModel(MeshModel* model) {
    FreeMaterialArrays(model);
    ReleaseMesh(model);
}
